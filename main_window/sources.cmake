list(APPEND TYPECASK_CORE_SOURCES
    main_window/sample_list_rules.cpp main_window/sample_list_rules.h
)
list(APPEND TYPECASK_UI_SOURCES
    main_window/button_strip.cpp main_window/button_strip.h
    main_window/export_bars.cpp main_window/export_bars.h
    main_window/favorites_pane.cpp main_window/favorites_pane.h
    main_window/font_list_view.cpp main_window/font_list_view.h
    main_window/font_menu.cpp main_window/font_menu.h
    main_window/form1.cpp main_window/form1.h
    main_window/form18.cpp main_window/form18.h
    main_window/form6.cpp main_window/form6.h
    main_window/mdi_form1.cpp main_window/mdi_form1.h
    main_window/menu_items.cpp main_window/menu_items.h
    main_window/menus.cpp
    main_window/mnemonic_menu.cpp main_window/mnemonic_menu.h
    main_window/preview_area.cpp main_window/preview_area.h
    main_window/sample_list_row.cpp main_window/sample_list_row.h
    main_window/selection_bar.cpp main_window/selection_bar.h
    main_window/start_up.cpp main_window/start_up.h
    main_window/strip_icons.cpp main_window/strip_icons.h
    main_window/strip_widgets.cpp main_window/strip_widgets.h
    main_window/window_registry.cpp main_window/window_registry.h
    main_window/main_window_link.h
)
