# Files of this subsystem, added to typecask_core (GUI-free) or typecask_ui (windows).
list(APPEND TYPECASK_CORE_SOURCES
    floating/floating_rules.cpp floating/floating_rules.h
)
list(APPEND TYPECASK_UI_SOURCES
    floating/floating_window.cpp floating/floating_window.h
    floating/sub_window.cpp floating/sub_window.h
    floating/form15.cpp floating/form15.h
    floating/form16.cpp floating/form16.h
)
