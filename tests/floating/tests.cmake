typecask_add_test(test_floating_rules SOURCES floating/test_floating_rules.cpp)
typecask_add_test(test_sub_window UI XVFB SOURCES floating/test_sub_window.cpp main_window/started_window.h)
# The real screen capture and stacking.
typecask_add_test(test_floating_screen UI WM SOURCES floating/test_floating_screen.cpp main_window/started_window.h)
