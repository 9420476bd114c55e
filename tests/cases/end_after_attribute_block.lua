--function f()
do w= fltk:Fl_Double_Window(0,0,0,0,"")
do b= fltk:Fl_Box(0,0,0,0,"")
b:label("x")
end

Fl:run()
