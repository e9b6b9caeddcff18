list(APPEND TYPECASK_CORE_SOURCES
    storage/favorites_file.cpp storage/favorites_file.h
    storage/palette_file.cpp storage/palette_file.h
    storage/program_folder.cpp storage/program_folder.h
    storage/session_settings.cpp storage/session_settings.h
    storage/settings_file.cpp storage/settings_file.h
    storage/stored_files.cpp storage/stored_files.h
)
