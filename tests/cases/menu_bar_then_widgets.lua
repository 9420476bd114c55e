--function make_window()
do w= fltk:Fl_Double_Window(0,0,0,0,"")
w:label("Window")
w:resize(0,0,200,100)
--w:show()
do bar= fltk:Fl_Menu_Bar(0,0,0,0,"")
menudir0=""
bar:resize(0,0,200,25)
itemname=menudir0.."Quit"
bar:add(itemname,0,nil,nil,0)
Fl_Group:current(Fl_Group:current():parent())
end

do after= fltk:Fl_Button(0,0,0,0,"")
after:label("After the bar")
after:resize(10,40,100,25)
end
end
w:show()

--end
Fl:run()
