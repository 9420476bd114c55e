--widget_class AboutDialog
do AboutDialog= fltk:Fl_Double_Window(0,0,0,0,"")
AboutDialog:label("About")
AboutDialog:resize(100,100,240,120)
AboutDialog:hotspot(AboutDialog)
AboutDialog:set_modal()
AboutDialog:clear_border()
AboutDialog:xclass("aboutbox")
AboutDialog:size_range(240,120,480,240)
--code0 {...}
--class Fl_Double_Window
--AboutDialog:show()
do close= fltk:Fl_Button(0,0,0,0,"")
close:label("Close")
close:resize(150,80,80,25)
close:window():hotspot(close)
end
Fl_Group:current(Fl_Group:current():parent())
end
--widget_class Palette
do Palette= fltk:Fl_Window(0,0,0,0,"")
Palette:resize(100,100,200,60)
Palette:set_non_modal()
--class Fl_Window
--Palette:show()
do swatch= fltk:Fl_Box(0,0,0,0,"")
swatch:resize(10,10,40,40)
swatch:box(fltk.FL_FLAT_BOX)
swatch:color(1)
end
Fl_Group:current(Fl_Group:current():parent())
end
--widget_class ToolStrip
do ToolStrip= fltk:Fl_Group(0,0,0,0,"")
ToolStrip:resize(400,100,200,30)
ToolStrip:box(fltk.FL_UP_BOX)
--ToolStrip:set_modal()
--ToolStrip:clear_border()
--ToolStrip:xclass("strip")
--ToolStrip:window():hotspot(ToolStrip)
--ToolStrip:size_range(10,10,0,0)
--ToolStrip:show()
do tool= fltk:Fl_Button(0,0,0,0,"")
tool:label("Tool")
tool:resize(5,3,60,24)
--tool:window():hotspot(tool)
end
Fl_Group:current(Fl_Group:current():parent())
end
Fl:run()
