set(TYPECASK_CLI_SOURCES
    cli/commands.h
    cli/fonts_command.cpp
    cli/main.cpp
)
