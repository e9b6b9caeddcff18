typecask_add_test(test_start_up UI SOURCES main_window/test_start_up.cpp)
typecask_add_test(test_font_names UI SOURCES main_window/test_font_names.cpp)
typecask_add_test(test_browser UI XVFB SOURCES main_window/test_browser.cpp)
typecask_add_test(test_colour_menu UI XVFB SOURCES main_window/test_colour_menu.cpp)
typecask_add_test(test_sample_list_rules SOURCES main_window/test_sample_list_rules.cpp)
typecask_add_test(test_sample_list_window UI XVFB SOURCES main_window/test_sample_list_window.cpp main_window/started_window.h)
typecask_add_test(test_ui_font_and_icons UI SOURCES main_window/test_ui_font_and_icons.cpp)
# The program over damaged font files: broken_fonts.sh makes them and runs test_broken_fonts over them.
add_executable(test_broken_fonts main_window/test_broken_fonts.cpp ui_test_main.cpp)
target_link_libraries(test_broken_fonts PRIVATE typecask_test_support typecask_ui Qt6::Test)
add_dependencies(test_broken_fonts typecask typecask-cli)
add_test(NAME test_broken_fonts COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/main_window/broken_fonts.sh
                                        $<TARGET_FILE:test_broken_fonts>)
set_tests_properties(test_broken_fonts PROPERTIES ENVIRONMENT "${TYPECASK_TEST_ENV}" SKIP_RETURN_CODE 77 TIMEOUT 600)
