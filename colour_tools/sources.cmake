# Files of this subsystem, added to typecask_core (GUI-free) or typecask_ui (windows).
list(APPEND TYPECASK_CORE_SOURCES
    colour_tools/colour_rules.cpp colour_tools/colour_rules.h
    colour_tools/palette_file.cpp colour_tools/palette_file.h
)
list(APPEND TYPECASK_UI_SOURCES
    colour_tools/pick_color.cpp colour_tools/pick_color.h
)
