--function make_window()
do win= fltk:Fl_Double_Window(0,0,0,0,"")
win:label("Looks")
win:resize(100,100,300,220)
win:color(0xffffff00)
win:selection_color(4294967040)
--win:show()
do red= fltk:Fl_Box(0,0,0,0,"")
red:label("Red")
red:resize(10,10,80,25)
red:box(fltk.FL_FLAT_BOX)
red:color(0xff000000)
red:labelcolor(0xffffffff)
red:labelsize(12)
red:labelfont(1)
red:align(20)
end

do old= fltk:Fl_Button(0,0,0,0,"")
old:label("Old")
old:resize(100,10,80,25)
old:selection_color(1)
--old:labeltype(fltk.FL_IMAGE_LABEL)
end

do older= fltk:Fl_Button(0,0,0,0,"")
older:label("Older")
older:resize(190,10,80,25)
older:color(3)
older:selection_color(4)
--older:box(fltk.FL_OXY_UP_BOX)
older:down_box(fltk.FL_GLEAM_DOWN_BOX)
end

do slider= fltk:Fl_Slider(0,0,0,0,"")
slider:resize(10,50,200,20)
slider:type(3)
slider:slider_size(0.25)
fltk.fl_register_images()
local img = Fl_Shared_Image.get("gone.png")
slider:deimage(img)
slider:redraw()
end

do spinner= fltk:Fl_Spinner(0,0,0,0,"")
spinner:resize(10,80,80,25)
spinner:type(1)
spinner:minimum(0.5)
spinner:maximum(2.5)
spinner:step(0.1)
spinner:value(1.5)
spinner:textsize(13)
end

do text= fltk:Fl_Input(0,0,0,0,"")
text:resize(10,110,200,25)
text:textcolor(1)
text:textfont(4)
text:when(1)
--unknown attribute: compact
end
end
win:show()

--end
Fl:run()
