--function make_all()
function on_press(w) print("pressed") end
do win= fltk:Fl_Double_Window(0,0,0,0,"")
win:label("All attributes")
win:resize(100,100,400,300)
Fl_Group:current():resizable(win)
win:size_range(200,150,800,600)
--win:show()
do panel= fltk:Fl_Group(0,0,0,0,"")
panel:label("Panel")
panel:resize(10,10,380,200)
panel:box(fltk.FL_ENGRAVED_FRAME)
panel:labeltype(fltk.FL_EMBOSSED_LABEL)
panel:labelfont(1)
panel:labelsize(12)
panel:labelcolor(4)
panel:align(5)
panel:color(47)
panel:selection_color(15)
do inner= fltk:Fl_Group(0,0,0,0,"")
inner:resize(20,20,100,50)
inner:box(fltk.FL_NO_BOX)
do press= fltk:Fl_Button(0,0,0,0,"")
press:label("Press &me")
press:callback(on_press)
press:tooltip("Prints a line")
press:resize(20,20,100,25)
press:down_box(fltk.FL_DOWN_BOX)
press:when(6)
press:labelfont(2)
press:type(1)
end
Fl_Group:current(Fl_Group:current():parent())
end

do level= fltk:Fl_Slider(0,0,0,0,"")
level:label("Level")
level:callback(function(w) print(w:value()) end)
level:resize(130,20,200,20)
level:type(5)
level:minimum(-10)
level:maximum(10)
level:step(0.5)
level:value(2.5)
Fl_Group:current():resizable(level)
end

do name_input= fltk:Fl_Input(0,0,0,0,"")
name_input:label("Name:")
name_input:resize(130,50,200,25)
name_input:textfont(4)
name_input:textsize(14)
name_input:textcolor(1)
name_input:value("Ada")
print(name_input:value(), name_input:parent() == panel)
end

do logo= fltk:Fl_Box(0,0,0,0,"")
fltk.fl_register_images()
local img = Fl_Shared_Image.get("icon.png")
logo:image(img)
logo:redraw()
logo:resize(20,80,64,64)
logo:box(fltk.FL_FLAT_BOX)
logo:labeltype(fltk.FL_NO_LABEL)
--unknown attribute: hotspot
end
Fl_Group:current(Fl_Group:current():parent())
end

do menu= fltk:Fl_Menu_Bar(0,0,0,0,"")
menudir0=""
menu:resize(0,0,400,25)
menu:box(fltk.FL_FLAT_BOX)
menu:textsize(12)
menudir1=menudir0.."File/"
itemname=menudir1.."Quit"
itemcallback=function() os.exit(0) end
menu:add(itemname,262257,itemcallback,nil,0)
menudir1=menudir0.."View/"
itemname=menudir1.."Show grid"
menu:add(itemname,65470,nil,nil,2)
menudir2=menudir1.."Zoom/"
itemname=menudir2.."100%"
itemuserdata="1.0"
itemcallback=on_press
menu:add(itemname,0,itemcallback,itemuserdata,8)
Fl_Group:current(Fl_Group:current():parent())
end
end
win:show()

--end
Fl:run()
