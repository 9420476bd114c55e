--function f()
do w= fltk:Fl_Double_Window(0,0,0,0,"")
w:label("Fl:run()
