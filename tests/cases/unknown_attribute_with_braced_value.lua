--function f()
do b= fltk:Fl_Button(0,0,0,0,"")
b:label("Go")
--unknown attribute: comment
Fl:run()
