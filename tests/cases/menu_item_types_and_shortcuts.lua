--function menus()
do bar= fltk:Fl_Menu_Bar(0,0,0,0,"")
menudir0=""
menudir1=menudir0.."View/"
view:labelsize(11)
itemname=menudir1.."Show grid"
bar:add(itemname,262247,nil,nil,2)
itemname=menudir1.."Small"
bar:add(itemname,-1,nil,nil,8)
itemname=menudir1.."Large"
bar:add(itemname,113,nil,nil,0)
itemname=menudir1.."Huge"
itemuserdata="big"
itemcallback=function(m, d) print(d) end
bar:add(itemname,305419896,itemcallback,itemuserdata,0)
menudir2=menudir1.."Zoom/"
itemname=menudir2.."In"
bar:add(itemname,0,nil,nil,0)
itemname=menudir2.."Still under Zoom"
bar:add(itemname,0,nil,nil,0)
Fl_Group:current(Fl_Group:current():parent())
end

--end
Fl:run()
