--function make_window()
do win= fltk:Fl_Double_Window(0,0,0,0,"")
win:resize(100,100,300,200)
--win:show()
do size_choice= fltk:Fl_Choice(0,0,0,0,"")
size_choice:label("Size:")
size_choice:resize(60,10,100,25)
size_choice:down_box(fltk.FL_BORDER_BOX)
menudir0=""
itemname=menudir0.."Small"
itemuserdata="10"
size_choice:add(itemname,0,nil,itemuserdata,0)
itemname=menudir0.."Large"
size_choice:add(itemname,0,nil,nil,132)
itemname=menudir0.."Off"
size_choice:add(itemname,0,nil,nil,1)
end

do tools= fltk:Fl_Menu_Button(0,0,0,0,"")
tools:label("Tools")
tools:resize(170,10,100,25)
menudir0=""
itemname=menudir0.."Export"
itemcallback=ignored_cb
tools:add(itemname,0,itemcallback,nil,64)
menudir1=itemname.."/"
itemname=menudir1.."PNG"
png=tools:menu()[tools:add(itemname,80,nil,nil,2)]
png:labelsize(12)
itemname=menudir0.."Secret"
hidden_one=tools:menu()[tools:add(itemname,0,nil,nil,19)]
end

do font= fltk:Fl_Input_Choice(0,0,0,0,"")
font:label("Font")
font:resize(60,50,120,25)
menudir0=""
itemname=menudir0.."Courier"
font:add(itemname,0,nil,nil,0)
end

do bar= fltk:Fl_Menu_Bar(0,0,0,0,"")
menudir0=""
bar:resize(0,170,300,25)
itemname=menudir0.."File"
bar:add(itemname,0,nil,nil,64)
menudir1=itemname.."/"
itemname=menudir1.."Quit"
itemcallback=function() os.exit(0) end
bar:add(itemname,0,itemcallback,nil,0)
Fl_Group:current(Fl_Group:current():parent())
end

do after= fltk:Fl_Button(0,0,0,0,"")
after:label("After the bar")
after:resize(10,100,120,25)
end
end
win:show()

--end
Fl:run()
