--function f()
:resize(1,2,3,4)
:labelsize(9)
x = 1:labelsize(10)

do bx= fltk:Fl_Box(0,0,0,0,"")
end

y = 2bx:resize(5,6,7,8)

--end
Fl:run()
