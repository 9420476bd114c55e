-- fl_ask's dialogs, answered by a timer as a person would answer them.
local check = dofile(arg[1] .. "/check.lua")
local find, labelled, answer = check.find, check.labelled, check.answer

local function press(text) answer(function(d) find(d, labelled(text)):do_callback() end) end

press("Yes")
check.equal(fltk.fl_choice("Sure?", "No", "Yes", nil), 1, "fl_choice: the button pressed")
press("Later")
check.equal(fltk.fl_choice("Save?", "Cancel", "Save", "Later"), 2, "fl_choice: three buttons")

-- The texts reach FLTK as text, never as its printf formats.
local shown
answer(function(d)
  shown = find(d, labelled("%s%n%s")) ~= nil
  d:hide()
end)
fltk.fl_message("%s%n%s")
check.equal(shown, true, "fl_message shows its text as given")

answer(function(d)
  find(d, check.value_where(function(v) return v == "old" end))
    :value("new name")
  find(d, labelled("OK")):do_callback()
end)
check.equal(fltk.fl_input("Name:", "old"), "new name", "fl_input")
press("Cancel")
check.equal(fltk.fl_password("Password:"), nil, "fl_password cancelled")

-- A callback that fails while a dialog is up closes the dialog.
Fl:add_timeout(0.05, function() error("late failure") end)
check.fails_with("late failure", fltk.fl_alert, "waiting")
check.equal(Fl:modal(), nil, "the dialog was closed")

