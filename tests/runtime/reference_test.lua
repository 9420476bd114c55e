-- Every name the binding answers (as api_names.lua lists them, "CLASS NAME")
-- is in the reference page, under its class or a class it derives from.
-- usage: fluac-lua reference_test.lua BOUND_LIST PAGE
local listed, parent, section = {}, {}, nil
for line in assert(io.open(arg[2])):lines() do
  local heading = line:match("^%.SS (.+)$")
  if heading then
    section = heading:gsub("\\%-", "-")
    listed[section] = listed[section] or {}
  end
  local base = line:match("^Derives from \\fB(.-)\\fR")
  if base and section then parent[section] = base end
  for name in line:gmatch("\\fB([%w_]+)\\fR") do
    if section then listed[section][name] = true end
  end
end

local function answers(class, name)
  while class do
    if listed[class] and listed[class][name] then return true end
    class = parent[class]
  end
end

local missing, count = {}, 0
for line in assert(io.open(arg[1])):lines() do
  local class, name = line:match("^(%S+) (%S+)$")
  if class then
    count = count + 1
    if not answers(class, name) then missing[#missing + 1] = line end
  end
end
assert(count > 0, "no bound names read")
if #missing > 0 then
  print("not in the reference: " .. table.concat(missing, ", "))
  os.exit(1)
end
