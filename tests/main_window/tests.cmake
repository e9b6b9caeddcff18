typecask_add_test(test_start_up UI SOURCES main_window/test_start_up.cpp)
typecask_add_test(test_font_names UI SOURCES main_window/test_font_names.cpp)
typecask_add_test(test_browser UI XVFB SOURCES main_window/test_browser.cpp)
typecask_add_test(test_colour_menu UI XVFB SOURCES main_window/test_colour_menu.cpp)
