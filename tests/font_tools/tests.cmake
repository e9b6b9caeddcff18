typecask_add_test(test_font_details SOURCES font_tools/test_font_details.cpp)
typecask_add_test(test_font_details_window UI XVFB SOURCES font_tools/test_font_details_window.cpp main_window/started_window.h)
typecask_add_test(test_html_font_scan SOURCES font_tools/test_html_font_scan.cpp)
typecask_add_test(test_font_list_pages SOURCES font_tools/test_font_list_pages.cpp)
typecask_add_test(test_html_cli SOURCES font_tools/test_html_cli.cpp export/cli_runner.h)
typecask_add_test(test_html_font_check_window UI XVFB SOURCES font_tools/test_html_font_check_window.cpp main_window/started_window.h
                                      export/cli_runner.h)
typecask_add_test(test_font_list_maker_window UI SOURCES font_tools/test_font_list_maker_window.cpp main_window/started_window.h)
# The pages in Debian's Chromium, driven through playwright-core (tests/browser).
add_test(NAME test_font_list_chromium COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/browser/font_list_in_chromium.sh)
set_tests_properties(test_font_list_chromium PROPERTIES ENVIRONMENT "${TYPECASK_TEST_ENV}" SKIP_RETURN_CODE 77
                                                        TIMEOUT 300)
typecask_add_test(test_font_search SOURCES font_tools/test_font_search.cpp)
typecask_add_test(test_character_map SOURCES font_tools/test_character_map.cpp)
typecask_add_test(test_character_map_window UI XVFB SOURCES font_tools/test_character_map_window.cpp main_window/started_window.h)
typecask_add_test(test_font_search_window UI XVFB SOURCES font_tools/test_font_search_window.cpp main_window/started_window.h)
typecask_add_test(test_search_cli SOURCES font_tools/test_search_cli.cpp export/cli_runner.h)
typecask_add_test(test_css_font_scan SOURCES font_tools/test_css_font_scan.cpp)
# check --css against the fonts Debian's Chromium draws each text node with.
add_test(NAME test_css_fonts_chromium COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/browser/css_fonts_in_chromium.sh)
set_tests_properties(test_css_fonts_chromium PROPERTIES ENVIRONMENT "${TYPECASK_TEST_ENV}" SKIP_RETURN_CODE 77
                                                        TIMEOUT 900)
typecask_add_test(test_coverage_cli SOURCES font_tools/test_coverage_cli.cpp export/cli_runner.h)
# coverage --json against fontTools' reading of the font files (Debian's Python, with
# python3-fonttools), for the test font set and for the machine's own fonts.
add_test(NAME test_coverage_reference COMMAND /usr/bin/python3 ${CMAKE_CURRENT_SOURCE_DIR}/font_tools/coverage_reference.py)
set_tests_properties(test_coverage_reference PROPERTIES ENVIRONMENT "${TYPECASK_TEST_ENV}" SKIP_RETURN_CODE 77
                                                        TIMEOUT 300)
set(machine_env ${TYPECASK_TEST_ENV})
list(FILTER machine_env EXCLUDE REGEX "^FONTCONFIG_FILE=")
add_test(NAME test_coverage_reference_machine
         COMMAND /usr/bin/python3 ${CMAKE_CURRENT_SOURCE_DIR}/font_tools/coverage_reference.py)
set_tests_properties(test_coverage_reference_machine PROPERTIES ENVIRONMENT "${machine_env}" SKIP_RETURN_CODE 77
                                                                TIMEOUT 300)
# Kills during the list pages' writing leave every page whole.
add_test(NAME test_font_list_kill_loop COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/font_tools/font_list_kill_loop.sh)
set_tests_properties(test_font_list_kill_loop PROPERTIES ENVIRONMENT "${TYPECASK_TEST_ENV}" TIMEOUT 300)
