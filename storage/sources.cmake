list(APPEND TYPECASK_CORE_SOURCES
    storage/favorites_file.cpp storage/favorites_file.h
    storage/program_folder.cpp storage/program_folder.h
    storage/settings_file.cpp storage/settings_file.h
)
