--function make_menu()
do mb= fltk:Fl_Menu_Bar(0,0,0,0,"")
menudir0=""
mb:resize(0,0,300,25)
mb:add(Item,0,nil,nil,0)
menudir1=menudir0.."Edit/"
menudir2=menudir1.."Deep/"
itemname=menudir2.."R"
itemuserdata="7"
r:labelsize(12)
mb:add(itemname,262255,nil,itemuserdata,8)
itemname=menudir1.."X"
mb:add(itemname,0,nil,nil,0)
itemcallback=function() print(1) end
mb:add(Item,0,itemcallback,nil,0)
Fl_Group:current(Fl_Group:current():parent())
end

--end
Fl:run()
