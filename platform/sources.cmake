# The Qt implementations of the desktop services (their interfaces are in core/services.h).
list(APPEND TYPECASK_UI_SOURCES
    platform/qt_services.cpp platform/qt_services.h
    platform/face_text.cpp platform/face_text.h
    platform/own_bold.cpp platform/own_bold.h
    platform/qt_translations.cpp platform/qt_translations.h
    platform/qt_units.cpp platform/qt_units.h
    platform/specimen.cpp platform/specimen.h
    platform/ui_font.cpp platform/ui_font.h
)
