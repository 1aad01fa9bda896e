# Compiler settings every target of the project links through the zelto_common interface target.

add_library(zelto_common INTERFACE)
target_compile_options(zelto_common INTERFACE
    -Wall -Wextra -Wpedantic
    -Wold-style-cast -Wcast-qual -Wnon-virtual-dtor -Woverloaded-virtual
    # Test executables set ZELTO_ALLOW_SHADOW: GoogleTest's INSTANTIATE_TEST_SUITE_P names its own parameter
    # `info`, as test-name lambdas usually do.
    $<$<NOT:$<BOOL:$<TARGET_PROPERTY:ZELTO_ALLOW_SHADOW>>>:-Wshadow>)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    # GCC 12 reports false positives at -O3: -Wrestrict inside std::string (GCC bug 105329) and
    # -Wstringop-overread when a std::map orders its std::vector keys.
    target_compile_options(zelto_common INTERFACE -Wno-restrict -Wno-stringop-overread)
endif()
if(ZELTO_WARNINGS_AS_ERRORS)
    target_compile_options(zelto_common INTERFACE -Werror)
endif()
# Qt strings only from explicit UTF-8 or literals; connections never narrow silently.
target_compile_definitions(zelto_common INTERFACE
    QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_CAST_FROM_BYTEARRAY QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)

# Hardening in release builds, as Debian builds its packages: checked string and memory functions, stack
# protection, and relocations resolved and made read-only at start. The sanitizers do their own checking.
if(NOT ZELTO_SANITIZE AND NOT ZELTO_BUILD_FUZZERS)
    target_compile_options(zelto_common INTERFACE
        "$<$<CONFIG:Release>:-fstack-protector-strong;-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
    target_link_options(zelto_common INTERFACE "$<$<CONFIG:Release>:-Wl,-z,relro;-Wl,-z,now>")
endif()

if(ZELTO_BUILD_FUZZERS)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "Fuzzers need clang: configure with CC=clang CXX=clang++")
    endif()
    if(NOT ZELTO_SANITIZE)
        set(ZELTO_SANITIZE address,undefined)
    endif()
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()
if(ZELTO_SANITIZE)
    string(REPLACE "," ";" sanitizers "${ZELTO_SANITIZE}")
    foreach(sanitizer IN LISTS sanitizers)
        if(NOT sanitizer MATCHES "^(address|undefined)$")
            message(FATAL_ERROR "ZELTO_SANITIZE takes address, undefined or both, not '${sanitizer}'")
        endif()
    endforeach()
    # Applied to every target, third-party code included, so the runtime sees all allocations.
    add_compile_options(-fsanitize=${ZELTO_SANITIZE} -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=${ZELTO_SANITIZE})
endif()
