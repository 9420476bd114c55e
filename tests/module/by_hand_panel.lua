-- A window in the current group, then a box that the window's bare `end`
-- would have put inside it.
return function()
  do inner= fltk:Fl_Window(10,10,120,60,"")
    do quit= fltk:Fl_Button(5,5,100,25,"Quit")
    end
  end
  do after= fltk:Fl_Box(140,10,80,25,"after")
  end
  return inner, quit, after
end
