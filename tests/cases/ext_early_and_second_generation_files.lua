--function main()
do widget= fltk:Fl_Double_Window(0,0,0,0,"")
widget:resize(408,394,365,125)
Fl_Group:current():resizable(widget)
--widget:show()
do widget= fltk:Fl_Box(0,0,0,0,"")
widget:label("Seems you have changed some data version 2 of it")
widget:resize(90,25,265,25)
widget:align(165)
widget:box(fltk.FL_FLAT_BOX)
end

do widget= fltk:Fl_Group(0,0,0,0,"")
widget:resize(10,90,345,25)
do widget= fltk:Fl_Button(0,0,0,0,"")
widget:label("&Yes")
widget:resize(160,0,90,25)
end
end
end
widget:show()

--end
Fl:run()
