--function make_window()
do win= fltk:Fl_Double_Window(0,0,0,0,"")
win:label("Menus")
win:resize(100,100,320,200)
--win:show()
do bar= fltk:Fl_Menu_Bar(0,0,0,0,"")
menudir0=""
bar:resize(0,0,320,25)
bar:textsize(12)
itemname=menudir0.."File"
file=bar:menu()[bar:add(itemname,0,nil,nil,64)]
file:labelfont(1)
file:labelsize(16)
file:labelcolor(4)
menudir1=itemname.."/"
itemname=menudir1.."Open\\/Save"
itemcallback=function() print("open") end
--menuitem:tooltip("Opens")
--menuitem:color(2)
menuitem=bar:menu()[bar:add(itemname,262255,itemcallback,nil,0)]
menuitem:labeltype(fltk.FL_SHADOW_LABEL)
bar:add(menudir1,0,nil,nil,0)
itemname=menudir1.."\\_Quit"
itemuserdata="0"
bar:add(itemname,0,nil,itemuserdata,128)
bar:add(menudir0,0,nil,nil,64)
menudir1=menudir0.."/"
itemname=menudir1.."Unnamed"
bar:add(itemname,0,nil,nil,0)
itemname=menudir0.."Recent"
recent=bar:menu()[bar:add(itemname,0,nil,nil,193)]
menudir1=itemname.."/"
itemname=menudir0.."View"
itemcallback=function() print("view") end
view=bar:menu()[bar:add(itemname,0,itemcallback,nil,64)]
menudir1=itemname.."/"
itemname=menudir1.."Grid"
grid=bar:menu()[bar:add(itemname,0,nil,nil,6)]
itemname=menudir1.."Ruler"
ruler=bar:menu()[bar:add(itemname,0,nil,nil,2)]
itemname=menudir1.."Small"
bar:add(itemname,0,nil,nil,12)
itemname=menudir1.."Large"
menuitem=bar:menu()[bar:add(itemname,0,nil,nil,8)]
fltk.fl_register_images()
local img = Fl_Shared_Image.get("large.png")
menuitem:image(img)
Fl_Group:current(Fl_Group:current():parent())
end
end
win:show()

--end
Fl:run()
