--function make_ui()
print(1)
do g= fltk:Fl_Group(0,0,0,0,"")
g:resize(1,2,3,4)
do inp= fltk:Fl_Input(0,0,0,0,"")
inp:tooltip("Type here")
inp:resize(5,6,70,20)
inp:value(2)
end
Fl_Group:current(Fl_Group:current():parent())
end

--end
Fl:run()
