# Files of this subsystem, added to typecask_core (GUI-free) or typecask_ui (windows).
list(APPEND TYPECASK_CORE_SOURCES
    colour_tools/colour_rules.cpp colour_tools/colour_rules.h
    colour_tools/coloured_text.cpp colour_tools/coloured_text.h
    colour_tools/gradient_text.cpp colour_tools/gradient_text.h
    colour_tools/random_colour_text.cpp colour_tools/random_colour_text.h
)
list(APPEND TYPECASK_UI_SOURCES
    colour_tools/colour_drag.cpp colour_tools/colour_drag.h
    colour_tools/colour_number_dialog.cpp colour_tools/colour_number_dialog.h
    colour_tools/colour_picker_window.cpp colour_tools/colour_picker_window.h
    colour_tools/colour_widgets.cpp colour_tools/colour_widgets.h
    colour_tools/gradient_window.cpp colour_tools/gradient_window.h
    colour_tools/pick_color.cpp colour_tools/pick_color.h
    colour_tools/random_colour_window.cpp colour_tools/random_colour_window.h
)
