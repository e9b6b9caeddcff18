typecask_add_test(test_rtf_writer SOURCES export/test_rtf_writer.cpp)
typecask_add_test(test_html_tag SOURCES export/test_html_tag.cpp)
typecask_add_test(test_export_cli SOURCES export/test_export_cli.cpp export/cli_runner.h)
typecask_add_test(test_rtf_libreoffice SOURCES export/test_rtf_libreoffice.cpp export/cli_runner.h)
