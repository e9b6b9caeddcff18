# Files of this subsystem, added to typecask_core (GUI-free) or typecask_ui (windows).
list(APPEND TYPECASK_CORE_SOURCES
    export/copy_commands.cpp export/copy_commands.h
    export/html_tag.cpp export/html_tag.h
    export/rtf_writer.cpp export/rtf_writer.h
    export/string_table.cpp export/string_table.h
)
list(APPEND TYPECASK_UI_SOURCES
    export/drag_area.cpp export/drag_area.h
)
