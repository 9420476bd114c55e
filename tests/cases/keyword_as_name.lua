--function f()
Fl:run()
