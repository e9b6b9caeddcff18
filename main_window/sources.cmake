list(APPEND TYPECASK_UI_SOURCES
    main_window/app_context.cpp main_window/app_context.h
    main_window/button_strip.cpp
    main_window/favorites_pane.cpp
    main_window/font_list_view.cpp main_window/font_list_view.h
    main_window/form1.cpp main_window/form1.h
    main_window/form6.cpp main_window/form6.h
    main_window/mdi_form1.cpp main_window/mdi_form1.h
    main_window/menu_items.h
    main_window/mnemonic_menu.cpp main_window/mnemonic_menu.h
    main_window/menus.cpp
    main_window/preview_area.cpp main_window/preview_area.h
    main_window/start_up.cpp main_window/start_up.h
    main_window/strip_icons.cpp main_window/strip_icons.h
)
