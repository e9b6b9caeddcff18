# Files of this subsystem, added to typecask_core (GUI-free) or typecask_ui (windows).
list(APPEND TYPECASK_CORE_SOURCES
    font_tools/character_map.cpp font_tools/character_map.h
    font_tools/character_set.cpp font_tools/character_set.h
    font_tools/css_cascade.cpp font_tools/css_cascade.h
    font_tools/css_font_resolve.cpp font_tools/css_font_resolve.h
    font_tools/css_font_scan.cpp font_tools/css_font_scan.h
    font_tools/css_syntax.cpp font_tools/css_syntax.h
    font_tools/font_details.cpp font_tools/font_details.h
    font_tools/font_list_pages.cpp font_tools/font_list_pages.h
    font_tools/font_search.cpp font_tools/font_search.h
    font_tools/html_font_scan.cpp font_tools/html_font_scan.h
    font_tools/html_line_reader.cpp font_tools/html_line_reader.h
    font_tools/html_tokenizer.cpp font_tools/html_tokenizer.h
)
list(APPEND TYPECASK_UI_SOURCES
    font_tools/character_grid.cpp font_tools/character_grid.h
    font_tools/character_map_window.cpp font_tools/character_map_window.h
    font_tools/font_details_window.cpp font_tools/font_details_window.h
    font_tools/font_list_maker_window.cpp font_tools/font_list_maker_window.h
    font_tools/font_search_window.cpp font_tools/font_search_window.h
    font_tools/html_font_check_window.cpp font_tools/html_font_check_window.h
    font_tools/search_panel.cpp font_tools/search_panel.h
)
