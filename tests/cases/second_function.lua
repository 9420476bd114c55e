--function one()
do a= fltk:Fl_Box(0,0,0,0,"")
end

--end
Fl:run()
