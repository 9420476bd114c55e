-- Runs a script that fluac wrote under the FLTK binding's stand-in.
--   lua5.4 tests/lua/run.lua SCRIPT.lua
-- What the script prints and the widget tree that Fl:run() prints go to
-- standard output. A script that does not load, stops with an error, or ends
-- without calling Fl:run() gets one line on standard error and status 1.
local here = arg[0]:match("^(.*)/[^/]*$") or "."
local standin = dofile(here .. "/fltk_standin.lua")

local path = arg[1]
if not path or arg[2] then
  io.stderr:write("usage: lua5.4 run.lua SCRIPT.lua\n")
  os.exit(2)
end
local file, open_error = io.open(path, "rb")
if not file then
  io.stderr:write("error: ", open_error, "\n")
  os.exit(2)
end
local source = file:read("a")
file:close()

-- Messages name the script by its file name alone.
local chunkname = path:match("[^/]*$")
local binding = standin.new()
binding.read_script("=" .. chunkname, source)
local env = standin.environment(binding)

local function quit(message)
  io.stdout:flush()
  io.stderr:write("error: ", message, "\n")
  os.exit(1)
end

local chunk, load_error = load(source, "=" .. chunkname, "t", env)
if not chunk then quit(load_error) end
local ok, run_error = xpcall(chunk, function(err) return standin.message(err, chunkname) end)
if not ok then quit(run_error) end
if binding.runs == 0 then quit(chunkname .. ": the script ended without calling Fl:run()") end
