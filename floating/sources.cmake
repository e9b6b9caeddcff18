# Files of this subsystem, added to typecask_core (GUI-free) or typecask_ui (windows).
list(APPEND TYPECASK_CORE_SOURCES
    floating/floating_rules.cpp floating/floating_rules.h
)
list(APPEND TYPECASK_UI_SOURCES
    floating/fixed_floating_window.cpp floating/fixed_floating_window.h
    floating/floating_window.cpp floating/floating_window.h
    floating/sizable_floating_window.cpp floating/sizable_floating_window.h
    floating/sub_window.cpp floating/sub_window.h
)
