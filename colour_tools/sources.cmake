# Files of this subsystem, added to typecask_core (GUI-free) or typecask_ui (windows).
list(APPEND TYPECASK_UI_SOURCES
    colour_tools/pick_color.cpp colour_tools/pick_color.h
)
