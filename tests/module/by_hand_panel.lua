-- by_hand.lua's panel: a window inside the current group, and a box after
-- it that its bare `end` alone would have put inside it.
return function()
  do inner= fltk:Fl_Window(10,10,120,60,"")
    do quit= fltk:Fl_Button(5,5,100,25,"Quit")
    end
  end
  do after= fltk:Fl_Box(140,10,80,25,"after")
  end
  return inner, quit, after
end
