--function f()
do m= fltk:Fl_Menu_Bar(0,0,0,0,"")
menudir0=""
itemname=menudir0.."I"
Fl:run()
