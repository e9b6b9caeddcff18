# One interface target carries the language level, warnings and Qt defines for every target.
add_library(typecask_options INTERFACE)
target_compile_features(typecask_options INTERFACE cxx_std_20)
target_compile_options(typecask_options INTERFACE -Wall -Wextra)
option(TYPECASK_WERROR "Treat warnings as errors (CI)" OFF)
if(TYPECASK_WERROR)
    target_compile_options(typecask_options INTERFACE -Werror)
endif()
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

option(TYPECASK_FUZZ "Build the libFuzzer targets (fuzz/), the core with ASan, UBSan and coverage; clang only" OFF)
if(TYPECASK_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "TYPECASK_FUZZ needs clang (-DCMAKE_CXX_COMPILER=clang++)")
    endif()
    target_compile_options(typecask_options INTERFACE
        -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(typecask_options INTERFACE -fsanitize=address,undefined)
endif()

find_program(TYPECASK_CCACHE ccache)
if(TYPECASK_CCACHE)
    # Paths relative to the source tree, so a fresh clone or a second work tree (CI builds
    # in a new folder each time) finds what another one compiled.
    set(CMAKE_CXX_COMPILER_LAUNCHER ${CMAKE_COMMAND} -E env CCACHE_BASEDIR=${CMAKE_SOURCE_DIR} CCACHE_NOHASHDIR=true
                                    ${TYPECASK_CCACHE})
endif()
