typecask_add_test(test_rtf_writer SOURCES export/test_rtf_writer.cpp)
typecask_add_test(test_html_tag SOURCES export/test_html_tag.cpp)
typecask_add_test(test_export_cli SOURCES export/test_export_cli.cpp export/cli_runner.h)
typecask_add_test(test_rtf_libreoffice SOURCES export/test_rtf_libreoffice.cpp export/cli_runner.h)
typecask_add_test(test_copy_menus UI XVFB SOURCES export/test_copy_menus.cpp main_window/started_window.h)
# The style-sheet CSS of the copies as Debian's Chromium computes it.
add_test(NAME test_copied_html_chromium COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/browser/copied_html_in_chromium.sh)
set_tests_properties(test_copied_html_chromium PROPERTIES ENVIRONMENT "${TYPECASK_TEST_ENV}" SKIP_RETURN_CODE 77
                                                          TIMEOUT 300)
# The HTML copy of an "@" family set vertically by Debian's Chromium.
add_test(NAME test_vertical_html_chromium COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/browser/vertical_html_in_chromium.sh)
set_tests_properties(test_vertical_html_chromium PROPERTIES ENVIRONMENT "${TYPECASK_TEST_ENV}" SKIP_RETURN_CODE 77
                                                            TIMEOUT 300)
# Fonts with hostile family names through the CLI's rows, the RTF copy in LibreOffice and the HTML
# copies and list pages in Chromium.
add_test(NAME test_hostile_names COMMAND /usr/bin/python3 ${CMAKE_CURRENT_SOURCE_DIR}/export/hostile_names.py)
set_tests_properties(test_hostile_names PROPERTIES ENVIRONMENT "${TYPECASK_TEST_ENV}" SKIP_RETURN_CODE 77
                                                   TIMEOUT 900)
