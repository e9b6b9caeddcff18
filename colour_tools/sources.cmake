# Files of this subsystem, added to typecask_core (GUI-free) or typecask_ui (windows).
list(APPEND TYPECASK_CORE_SOURCES
    colour_tools/colour_rules.cpp colour_tools/colour_rules.h
    colour_tools/palette_file.cpp colour_tools/palette_file.h
)
list(APPEND TYPECASK_UI_SOURCES
    colour_tools/colour_widgets.cpp colour_tools/colour_widgets.h
    colour_tools/form2.cpp colour_tools/form2.h
    colour_tools/form7.cpp colour_tools/form7.h
    colour_tools/pick_color.cpp colour_tools/pick_color.h
)
