# Files of this subsystem, added to typecask_core (GUI-free) or typecask_ui (windows).
list(APPEND TYPECASK_UI_SOURCES
    export/drag_area.cpp export/drag_area.h
)
