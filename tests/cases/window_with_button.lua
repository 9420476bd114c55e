--function make_window()
do w= fltk:Fl_Double_Window(0,0,0,0,"")
w:label("Hello")
w:resize(10,20,300,200)
--w:show()
do b= fltk:Fl_Button(0,0,0,0,"")
b:label("OK")
b:callback(on_ok)
b:resize(5,6,70,25)
b:labelsize(14)
--unknown attribute: hotspot
end
end
w:show()

--end
Fl:run()
