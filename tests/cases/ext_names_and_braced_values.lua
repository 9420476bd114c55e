--decl #include "mrv/Slider.h"
--class value
--function make(int w)
--return_type Fl_Double_Window*
do versionDisplay= fltk:Fl_Double_Window(0,0,0,0,"")
versionDisplay:label("Names: { and } and \\ and a # sign")
versionDisplay:resize(100,100,320,240)
versionDisplay:xclass("my app")
--versionDisplay:show()
do label= fltk:Fl_Box(0,0,0,0,"")
label:label("label")
label:resize(10,10,80,25)
end

do labelBox= fltk:Fl_Button(0,0,0,0,"")
labelBox:label("callback {x}")
--labelBox:callback(...)
labelBox:resize(10,40,80,25)
end

do codeView= fltk:Fl_Input(0,0,0,0,"")
codeView:resize(10,70,80,25)
--class Foo< short, unsigned char >
end

do type= fltk:Fl_Slider(0,0,0,0,"")
type:resize(10,100,120,20)
type:type(1)
--class mrv::Slider
end

do xywh= fltk:Fl_Box(0,0,0,0,"")
xywh:resize(10,130,40,20)
--class my.widget-v2
end

--name a.b-c
do widget= fltk:Fl_Box(0,0,0,0,"")
widget:resize(60,130,40,20)
end

do code= fltk:Fl_Box(0,0,0,0,"")
code:resize(110,130,40,20)
end

do snap= fltk:Fl_Box(0,0,0,0,"")
snap:resize(160,130,40,20)
end

do header_name_box= fltk:Fl_Box(0,0,0,0,"")
header_name_box:resize(210,130,40,20)
end

do end_= fltk:Fl_Box(0,0,0,0,"")
end_:resize(260,130,40,20)
end

do open= fltk:Fl_Menu_Button(0,0,0,0,"")
open:label("Open")
open:resize(10,160,100,25)
menudir0=""
itemname=menudir0.."Call back"
callback=open:menu()[open:add(itemname,0,nil,nil,0)]
itemname=menudir0.."Type"
type=open:menu()[open:add(itemname,0,nil,nil,64)]
menudir1=itemname.."/"
itemname=menudir1.."Comment"
comment=open:menu()[open:add(itemname,0,nil,nil,0)]
end
end
versionDisplay:show()

--end
--end of class value
--data version
--widget_class class
do class= fltk:Fl_Group(0,0,0,0,"")
class:resize(10,10,100,50)
--class:show()
Fl_Group:current(Fl_Group:current():parent())
end
Fl:run()
