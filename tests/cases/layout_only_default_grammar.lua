--function make_window()
--code {...}
do w= fltk:Fl_Double_Window(0,0,0,0,"")
w:label("Hello")
w:resize(10,20,300,200)
--w:show()
do b= fltk:Fl_Button(0,0,0,0,"")
b:label("Say \"hi\"\\now")
--b:callback(...)
--code0 {...}
b:resize(5,6,70,25)
b:labelsize(14)
--unknown attribute: hotspot
end

do m= fltk:Fl_Menu_Bar(0,0,0,0,"")
menudir0=""
itemname=menudir0.."Quit \"now\""
--itemcallback=...
--itemuserdata="..."
m:add(itemname,0,nil,nil,0)
Fl_Group:current(Fl_Group:current():parent())
end
end
w:show()

--end
Fl:run()
