-- Every class constructs, joins the current group, and copies its label.
local check = dofile(arg[1] .. "/check.lua")

local classes = {
  "Fl_Window", "Fl_Double_Window", "Fl_Single_Window", "Fl_Menu_Window", "Fl_Group", "Fl_Pack", "Fl_Scroll",
  "Fl_Tabs", "Fl_Tile", "Fl_Wizard", "Fl_Box", "Fl_Button", "Fl_Return_Button",
  "Fl_Repeat_Button", "Fl_Light_Button", "Fl_Check_Button", "Fl_Round_Button",
  "Fl_Radio_Button", "Fl_Radio_Light_Button", "Fl_Radio_Round_Button", "Fl_Toggle_Button",
  "Fl_Toggle_Round_Button", "Fl_Input", "Fl_Float_Input", "Fl_Int_Input",
  "Fl_Multiline_Input", "Fl_Secret_Input", "Fl_File_Input", "Fl_Output",
  "Fl_Multiline_Output", "Fl_Text_Display", "Fl_Text_Editor", "Fl_Help_View", "Fl_Slider",
  "Fl_Hor_Slider", "Fl_Fill_Slider", "Fl_Hor_Fill_Slider", "Fl_Nice_Slider",
  "Fl_Hor_Nice_Slider", "Fl_Value_Slider", "Fl_Hor_Value_Slider", "Fl_Scrollbar",
  "Fl_Adjuster", "Fl_Counter", "Fl_Simple_Counter", "Fl_Dial", "Fl_Fill_Dial", "Fl_Line_Dial",
  "Fl_Roller", "Fl_Value_Input", "Fl_Value_Output", "Fl_Spinner", "Fl_Progress",
  "Fl_Positioner", "Fl_Browser", "Fl_Hold_Browser", "Fl_Select_Browser", "Fl_Multi_Browser",
  "Fl_File_Browser", "Fl_Check_Browser", "Fl_Tree", "Fl_Menu_Bar", "Fl_Sys_Menu_Bar",
  "Fl_Choice", "Fl_Menu_Button", "Fl_Input_Choice", "Fl_Clock", "Fl_Round_Clock", "Fl_Chart",
  "Fl_Color_Chooser", "Fl_Table", "Fl_Table_Row", "Fl_Toggle_Light_Button",
  -- Classes of later FLTK versions, built as the nearest 1.3 class.
  "Fl_Flex", "Fl_Grid", "Fl_Simple_Terminal", "Fl_Terminal", "Fl_Scheme_Choice",
  "Fl_Shortcut_Button", "Fl_Overlay_Window", "Fl_Gl_Window",
}
local containers = {Fl_Window = true, Fl_Double_Window = true, Fl_Single_Window = true,
                    Fl_Menu_Window = true, Fl_Overlay_Window = true, Fl_Gl_Window = true,
                    Fl_Group = true, Fl_Pack = true, Fl_Scroll = true, Fl_Tabs = true,
                    Fl_Tile = true, Fl_Wizard = true, Fl_Flex = true, Fl_Grid = true}
-- Tables make a group inside them current: their children go there.
local tables = {Fl_Table = true, Fl_Table_Row = true}

local host = fltk:Fl_Double_Window(0, 0, 400, 300, "host")
for i, name in ipairs(classes) do
  Fl_Group:current(host)
  local label = ("%s number %d"):format(name, i)
  local w = fltk[name](fltk, 5, 6, 70, 80, label)
  check.equal(w:class_name(), name, "class")
  check.equal(w:parent(), host, name .. " parent")
  check.equal(host:child(host:children() - 1), w, name .. " is the last child")
  check.equal(w:x() + w:y() + w:w() + w:h(), 5 + 6 + 70 + 80, name .. " geometry")
  check.equal(w:label(), label, name .. " label")
  -- Groups begin themselves, as in FLTK; the rest leave the current group.
  local current = Fl_Group:current()
  if containers[name] then
    check.equal(current, w, name .. " is current")
  elseif tables[name] then
    check.equal(current:parent(), w, name .. "'s inner group is current")
  elseif name ~= "Fl_Menu_Bar" then
    check.equal(current, host, name .. " leaves the current group")
  end
end

-- The constructor's label is a copy: the Lua string may be collected.
Fl_Group:current(host)
local b = fltk:Fl_Button(0, 0, 10, 10, ("x"):rep(3) .. "y")
collectgarbage()
check.equal(b:label(), "xxxy", "copied label")
-- fluac passes "" for no label.
check.equal(fltk:Fl_Box(0, 0, 0, 0, ""):label(), nil, "empty label")
check.equal(fltk.Fl_Box(1, 2, 3, 4):w(), 3, "dot call without a label")

check.fails_with("unknown widget class 'Fl_Gizmo'", function() return fltk:Fl_Gizmo(0, 0, 1, 1) end)
check.fails_with("fltk has no 'FL_PURPLE_BOX'", function() return fltk.FL_PURPLE_BOX end)

-- Box and label types carry FLTK's numbers, also those FLTK defines on first use.
check.equal(fltk.FL_NO_BOX, 0, "FL_NO_BOX")
check.equal(fltk.FL_UP_BOX, 2, "FL_UP_BOX")
check.equal(fltk.FL_ENGRAVED_FRAME, 12, "FL_ENGRAVED_FRAME")
check.equal(fltk.FL_ROUND_DOWN_BOX, fltk.FL_ROUND_UP_BOX + 1, "FL_ROUND_DOWN_BOX")
check.equal(fltk.FL_PLASTIC_DOWN_BOX, fltk.FL_PLASTIC_UP_BOX + 1, "FL_PLASTIC_DOWN_BOX")
check.equal(fltk.FL_FRAME, fltk.FL_ENGRAVED_FRAME, "FL_FRAME")
check.equal(fltk.FL_NO_LABEL, 1, "FL_NO_LABEL")
check.equal(fltk.FL_SHADOW_LABEL, 2, "FL_SHADOW_LABEL")
check.equal(fltk.FL_EMBOSSED_LABEL, 4, "FL_EMBOSSED_LABEL")
