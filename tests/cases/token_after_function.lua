--function f()
do b= fltk:Fl_Box(0,0,0,0,"")
end

--end
;Fl:run()
