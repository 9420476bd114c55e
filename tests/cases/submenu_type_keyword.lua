--function f()
do m= fltk:Fl_Menu_Bar(0,0,0,0,"")
menudir0=""
menudir1=menudir0.."S/"
Fl:run()
