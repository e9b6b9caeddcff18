# Files of this subsystem, added to typecask_core (GUI-free) or typecask_ui (windows).
list(APPEND TYPECASK_CORE_SOURCES
    dialogs/favorites_editing.cpp dialogs/favorites_editing.h
    dialogs/settings_values.cpp dialogs/settings_values.h
    dialogs/version_info.cpp dialogs/version_info.h
)
list(APPEND TYPECASK_UI_SOURCES
    dialogs/form11.cpp dialogs/form11.h
    dialogs/form17.cpp dialogs/form17.h
    dialogs/form5.cpp dialogs/form5.h
)
