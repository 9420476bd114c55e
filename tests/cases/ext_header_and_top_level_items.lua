--Two lines
--of comment
--decl #include <stdio.h>
--declblock #if HAVE_X
--decl int x;
--end of declblock
--data logo_png
--class FL_EXPORT Panel
--decl int count_;

--function Panel(int x, int y)
count_ = 0;
--end
--end of class FL_EXPORT Panel
--function main()
--return_type Fl_Double_Window*
--codeblock if (1)
print("inside")
--end of codeblock

do win= fltk:Fl_Double_Window(0,0,0,0,"")
win:label("Main")
win:resize(10,10,200,100)
--win:show()
end
win:show()

--end
--function make_dialog(int w , int h)
--Constructor

do dialog= fltk:Fl_Double_Window(0,0,0,0,"")
dialog:resize(0,0,120,80)
--dialog:show()
end
dialog:show()

--end
--function textsize()

--end
--widget_class Toolbar
do Toolbar= fltk:Fl_Group(0,0,0,0,"")
Toolbar:resize(0,0,300,30)
do widget= fltk:Fl_Button(0,0,0,0,"")
widget:label("Go")
widget:resize(5,5,40,20)
end
Fl_Group:current(Fl_Group:current():parent())
end
Fl:run()
