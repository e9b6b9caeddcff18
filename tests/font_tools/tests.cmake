typecask_add_test(test_font_details SOURCES font_tools/test_font_details.cpp)
typecask_add_test(test_form9 UI XVFB SOURCES font_tools/test_form9.cpp main_window/started_window.h)
