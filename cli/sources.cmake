set(TYPECASK_CLI_SOURCES
    cli/commands.h
    cli/export_commands.cpp
    cli/fonts_command.cpp
    cli/main.cpp
)
