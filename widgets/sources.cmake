# Widgets the windows share: they sit one floor below every window folder and include none.
list(APPEND TYPECASK_UI_SOURCES
    widgets/drag_area.cpp widgets/drag_area.h
    widgets/family_text.cpp widgets/family_text.h
    widgets/font_list_view.cpp widgets/font_list_view.h
    widgets/font_menu.cpp widgets/font_menu.h
    widgets/font_menu_form.h
    widgets/menu_items.cpp widgets/menu_items.h
    widgets/size_list.cpp widgets/size_list.h
    widgets/strip_icons.cpp widgets/strip_icons.h
    widgets/tool_window_host.h
)
