list(APPEND TYPECASK_UI_SOURCES
    main_window/app_context.cpp main_window/app_context.h
    main_window/form1.cpp main_window/form1.h
    main_window/form6.cpp main_window/form6.h
    main_window/mdi_form1.cpp main_window/mdi_form1.h
    main_window/preview_area.cpp main_window/preview_area.h
    main_window/start_up.cpp main_window/start_up.h
)
