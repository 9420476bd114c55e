--function make_window()
--:resize(1,2,3,4)
-- [[not a long comment
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
b:window():hotspot(b)
end

do in_= fltk:Fl_Input(0,0,0,0,"")
in_:value("multi\nline")
--user_data ...
end

do m= fltk:Fl_Menu_Bar(0,0,0,0,"")
menudir0=""
itemname=menudir0.."Quit\\/Exit \"now\" \\\\"
--itemcallback=...
--itemuserdata="..."
--q:tooltip("Leaves
--at once")
q=m:menu()[m:add(itemname,0,nil,nil,0)]
q:labelsize(12)
Fl_Group:current(Fl_Group:current():parent())
end
end
w:show()

--end
Fl:run()
