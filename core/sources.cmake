list(APPEND TYPECASK_CORE_SOURCES
    core/app_state.h
    core/ascii.h
    core/colour.cpp core/colour.h
    core/cp932.cpp core/cp932.h
    core/favorites_edit.cpp core/favorites_edit.h
    core/command_line.cpp core/command_line.h
    core/character_coverage.cpp core/character_coverage.h
    core/data/japanese_sets_data.cpp
    core/data/vertical_orientation_data.cpp
    core/font_catalog.cpp core/font_catalog.h
    core/font_classification.cpp core/font_classification.h
    core/font_filter.cpp core/font_filter.h
    core/font_list_model.cpp core/font_list_model.h
    core/fontconfig_source.cpp core/fontconfig_source.h
    core/japanese_sets.cpp core/japanese_sets.h
    core/gradient_colours.h
    core/list_navigation.cpp core/list_navigation.h
    core/palette_table.h
    core/preview_layout.cpp core/preview_layout.h
    core/program_info.cpp core/program_info.h
    core/sample.h
    core/services.h
    core/session.cpp core/session.h
    core/sfnt_tables.cpp core/sfnt_tables.h
    core/size_link.cpp core/size_link.h
    core/text_file.cpp core/text_file.h
    core/text_helpers.cpp core/text_helpers.h
    core/vertical_text.cpp core/vertical_text.h
    core/window_stacking.cpp core/window_stacking.h
)
