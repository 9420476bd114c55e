--function make_window()
do w= fltk:Fl_Double_Window(0,0,0,0,"")
w:label("Two words")
w:resize(0,0,100,100)
--w:show()
do b= fltk:Fl_Button(0,0,0,0,"")
b:label("Go")
b:callback(go_cb)
b:resize(10,10,50,20)
end
end
w:show()

--end
Fl:run()
