typecask_add_test(test_floating_rules SOURCES floating/test_floating_rules.cpp)
typecask_add_test(test_sub_window UI XVFB SOURCES floating/test_sub_window.cpp main_window/started_window.h)
# The real screen capture and stacking: run on a private Xvfb under a window manager (the
# plain run skips itself).
typecask_add_test(test_floating_screen UI SOURCES floating/test_floating_screen.cpp main_window/started_window.h)
add_test(NAME test_floating_screen_wm
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/xvfb_run.sh ${CMAKE_CURRENT_SOURCE_DIR}/floating/with_wm.sh
                 $<TARGET_FILE:test_floating_screen>)
set(floating_wm_env ${TYPECASK_TEST_ENV})
list(FILTER floating_wm_env EXCLUDE REGEX "^QT_QPA_PLATFORM=")
set_tests_properties(test_floating_screen_wm PROPERTIES ENVIRONMENT "${floating_wm_env}" TIMEOUT 600)
