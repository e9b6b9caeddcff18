list(APPEND TYPECASK_CORE_SOURCES
    main_window/sample_list_rules.cpp main_window/sample_list_rules.h
)
list(APPEND TYPECASK_UI_SOURCES
    main_window/button_strip.cpp main_window/button_strip.h
    main_window/export_bars.cpp main_window/export_bars.h
    main_window/favorites_pane.cpp main_window/favorites_pane.h
    main_window/font_browser.cpp main_window/font_browser.h
    main_window/main_window.cpp main_window/main_window.h
    main_window/menus.cpp
    main_window/mnemonic_menu.cpp main_window/mnemonic_menu.h
    main_window/preview_area.cpp main_window/preview_area.h
    main_window/progress_window.cpp main_window/progress_window.h
    main_window/sample_list_row.cpp main_window/sample_list_row.h
    main_window/sample_list_window.cpp main_window/sample_list_window.h
    main_window/selection_bar.cpp main_window/selection_bar.h
    main_window/start_up.cpp main_window/start_up.h
    main_window/strip_widgets.cpp main_window/strip_widgets.h
    main_window/window_registry.cpp main_window/window_registry.h
)
