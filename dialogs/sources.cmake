# Files of this subsystem, added to typecask_core (GUI-free) or typecask_ui (windows).
list(APPEND TYPECASK_CORE_SOURCES
    dialogs/favorites_editing.cpp dialogs/favorites_editing.h
    dialogs/settings_values.cpp dialogs/settings_values.h
    dialogs/version_info.cpp dialogs/version_info.h
)
list(APPEND TYPECASK_UI_SOURCES
    dialogs/favorites_editor_window.cpp dialogs/favorites_editor_window.h
    dialogs/settings_dialog.cpp dialogs/settings_dialog.h
    dialogs/version_window.cpp dialogs/version_window.h
)
