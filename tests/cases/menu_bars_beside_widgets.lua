--function win()
do w= fltk:Fl_Double_Window(0,0,0,0,"")
w:label("Editor")
w:resize(0,0,400,300)
do empty= fltk:Fl_Menu_Bar(0,0,0,0,"")
menudir0=""
empty:resize(0,0,400,25)
Fl_Group:current(Fl_Group:current():parent())
end

do braces= fltk:Fl_Menu_Bar(0,0,0,0,"")
menudir0=""
Fl_Group:current(Fl_Group:current():parent())
end

do ok= fltk:Fl_Button(0,0,0,0,"")
ok:label("OK")
end

do last= fltk:Fl_Menu_Bar(0,0,0,0,"")
menudir0=""
Fl_Group:current(Fl_Group:current():parent())
end
end
w:show()

--end
Fl:run()
