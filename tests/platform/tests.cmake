typecask_add_test(test_qt_services UI XVFB SOURCES platform/test_qt_services.cpp dialogs/modal_helpers.h)
typecask_add_test(test_face_text UI SOURCES platform/test_face_text.cpp)
typecask_add_test(test_specimen_render SOURCES platform/test_specimen_render.cpp)
