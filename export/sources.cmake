# The RTF and HTML writers and the copy commands: GUI-free, in typecask_core.
list(APPEND TYPECASK_CORE_SOURCES
    export/copy_commands.cpp export/copy_commands.h
    export/html_tag.cpp export/html_tag.h
    export/rtf_writer.cpp export/rtf_writer.h
    export/string_table.cpp export/string_table.h
)
