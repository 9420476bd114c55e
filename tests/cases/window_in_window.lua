--function nested()
do outer= fltk:Fl_Double_Window(0,0,0,0,"")
outer:resize(0,0,400,300)
do inner= fltk:Fl_Double_Window(0,0,0,0,"")
inner:resize(10,10,100,100)
do b= fltk:Fl_Box(0,0,0,0,"")
end
end
end
inner:show()

--end
Fl:run()
