--function f()
do dw= fltk:Fl_Double_Window(0,0,0,0,"")
dw:type(-1)
dw:resize(0,0,10,10)
do s= fltk:Fl_Slider(0,0,0,0,"")
s:type(5)
end

do t= fltk:Fl_Slider(0,0,0,0,"")
t:type(-1)
end

do br= fltk:Fl_Browser(0,0,0,0,"")
br:type(3)
end
end
dw:show()

do plain= fltk:Fl_Double_Window(0,0,0,0,"")
end
plain:show()

--end
Fl:run()
