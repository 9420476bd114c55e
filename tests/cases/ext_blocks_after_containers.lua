--function make_main()
local opened = 0
local function count() do opened = opened + 1 end return opened end
for i = 1, 2 do count() end
local note = [[ do not
end here ]] --[==[ end ]==]
do widget= fltk:Fl_Double_Window(0,0,0,0,"")
widget:label("Unnamed")
widget:resize(100,100,300,200)
--widget:show()
do widget= fltk:Fl_Tabs(0,0,0,0,"")
widget:resize(10,10,280,120)
do widget= fltk:Fl_Group(0,0,0,0,"")
widget:label("One")
widget:resize(10,35,280,95)
do widget= fltk:Fl_Button(0,0,0,0,"")
widget:label("Inside one")
widget:callback(function(b)
  if b then do print("end") end end
  repeat local done = true until done
end)
widget:resize(20,50,100,25)
end
Fl_Group:current(Fl_Group:current():parent())
end
end

do widget= fltk:Fl_Scroll(0,0,0,0,"")
widget:resize(10,140,140,50)
do widget= fltk:Fl_Box(0,0,0,0,"")
widget:label("In the scroll")
widget:resize(10,140,120,25)
end
end

do after= fltk:Fl_Button(0,0,0,0,"")
after:label("After the scroll")
after:resize(160,140,130,25)
end
end
widget:show()

--end
--function make_second()
do second= fltk:Fl_Double_Window(0,0,0,0,"")
second:label("Second")
second:resize(450,100,200,100)
--second:show()
do widget= fltk:Fl_Box(0,0,0,0,"")
widget:label("Second window")
widget:resize(10,10,180,25)
end
end
second:show()

--end
Fl:run()
