Fl:run()
