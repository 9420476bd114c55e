--function f()
do w= fltk:Fl_Double_Window(0,0,0,0,"")
do b= fltk:Fl_Button(0,0,0,0,"")
;end

Fl:run()
