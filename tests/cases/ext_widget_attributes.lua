--function make_window()
do win= fltk:Fl_Double_Window(0,0,0,0,"")
win:label("Attributes")
win:resize(100,100,300,200)
win:hotspot(win)
win:set_modal()
win:clear_border()
win:xclass("myapp")
--extra_code win->end();
--win:show()
--name buttons[0]
do widget= fltk:Fl_Button(0,0,0,0,"")
widget:label("First")
--user_data 0
--user_data_type long
widget:callback(function(b) print(b) end)
widget:resize(10,10,80,25)
widget:shortcut(262241)
widget:deactivate()
widget:window():hotspot(widget)
end

do ok= fltk:Fl_Button(0,0,0,0,"")
ok:label("OK")
--user_data (void*)this
ok:resize(100,10,80,25)
ok:shortcut(65307)
ok:down_box(3)
ok:hide()
--The default button.
--Press Enter.
end

do s= fltk:Fl_Slider(0,0,0,0,"")
--class mrv::Slider
s:resize(10,50,200,20)
s:type(5)
s:box(2)
s:labeltype(1)
s:minimum(1e-05)
s:maximum(.5)
s:step(1.5e+2)
s:color(7)
s:selection_color(47)
s:slider_size(0.25)
--unknown attribute: position
--unknown attribute: future_flag
--unknown attribute: label_margin
end

do sub= fltk:Fl_Double_Window(0,0,0,0,"")
sub:resize(10,80,100,50)
sub:set_non_modal()
--class Fl_Group
end

do text= fltk:Fl_Input(0,0,0,0,"")
text:value("Hello you")
text:resize(10,140,100,25)
end
end
sub:show()

--end
Fl:run()
