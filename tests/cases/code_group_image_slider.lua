--function ui()
print("start")
do g= fltk:Fl_Group(0,0,0,0,"")
do widget= fltk:Fl_Box(0,0,0,0,"")
fltk.fl_register_images()
local img = Fl_Shared_Image.get("logo.png")
widget:image(img)
widget:redraw()
widget:resize(10,120,64,64)
end

do s= fltk:Fl_Slider(0,0,0,0,"")
s:type(2)
s:maximum(1.5)
s:resize(7,-5,10,10)
s:tooltip("Enter "your" value")
end
Fl_Group:current(Fl_Group:current():parent())
end

--end
Fl:run()
