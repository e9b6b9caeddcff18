# Files of this subsystem, added to typecask_core (GUI-free) or typecask_ui (windows).
list(APPEND TYPECASK_CORE_SOURCES
    font_tools/font_details.cpp font_tools/font_details.h
)
list(APPEND TYPECASK_UI_SOURCES
    font_tools/form9.cpp font_tools/form9.h
)
