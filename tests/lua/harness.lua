-- A small test harness for the Lua tests:
--   local t = dofile(here .. "/harness.lua")
--   t.test("name", function() t.eq(got, want) end)
--   t.finish("suite")   -- prints the counts and exits 1 on any failure
local M = { passed = 0, failed = 0 }

function M.test(name, body)
  local ok, err = pcall(body)
  if ok then
    M.passed = M.passed + 1
  else
    M.failed = M.failed + 1
    print("FAIL " .. name .. ": " .. tostring(err))
  end
end

function M.eq(got, want)
  if got ~= want then
    error(string.format("\n got: %s\nwant: %s", tostring(got), tostring(want)), 2)
  end
end

function M.finish(suite)
  print(string.format("%s: %d passed, %d failed", suite, M.passed, M.failed))
  os.exit(M.failed == 0 and 0 or 1)
end

return M
