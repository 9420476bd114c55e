--function make_menu()
do widget= fltk:Fl_Double_Window(0,0,0,0,"")
widget:resize(0,0,300,200)
--widget:show()
do mb= fltk:Fl_Menu_Bar(0,0,0,0,"")
menudir0=""
mb:resize(0,0,300,25)
menudir1=menudir0.."File/"
itemname=menudir1.."Quit"
itemcallback=on_quit
mb:add(itemname,113,itemcallback,nil,0)
itemname=menudir1.."About"
mb:add(itemname,0,nil,nil,2)
Fl_Group:current(Fl_Group:current():parent())
end
end
widget:show()

--end
Fl:run()
