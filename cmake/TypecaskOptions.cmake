# One interface target carries the language level, warnings and Qt defines for every target.
add_library(typecask_options INTERFACE)
target_compile_features(typecask_options INTERFACE cxx_std_20)
target_compile_options(typecask_options INTERFACE -Wall -Wextra)
target_compile_definitions(typecask_options INTERFACE
    QT_NO_KEYWORDS
    QT_NO_CAST_FROM_BYTEARRAY
    QT_NO_URL_CAST_FROM_STRING
    QT_USE_QSTRINGBUILDER)

option(TYPECASK_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(TYPECASK_SANITIZE)
    target_compile_options(typecask_options INTERFACE
        -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(typecask_options INTERFACE -fsanitize=address,undefined)
endif()

find_program(TYPECASK_CCACHE ccache)
if(TYPECASK_CCACHE)
    set(CMAKE_CXX_COMPILER_LAUNCHER ${TYPECASK_CCACHE})
endif()
