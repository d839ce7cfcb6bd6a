# Compiler settings shared by every target of the project.

add_library(korvane_options INTERFACE)
target_compile_options(korvane_options INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual
    -Wcast-align -Wformat=2 -Wimplicit-fallthrough)
# GCC 12 reports false -Wrestrict warnings inside std::string at -O3 (GCC bug 105329).
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(korvane_options INTERFACE -Wno-restrict)
endif()
if(KORVANE_WERROR)
    target_compile_options(korvane_options INTERFACE -Werror)
endif()
if(KORVANE_SANITIZE)
    target_compile_options(korvane_options INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    target_link_options(korvane_options INTERFACE -fsanitize=address,undefined)
endif()
if(KORVANE_FUZZ)
    target_compile_options(korvane_options INTERFACE -fsanitize=fuzzer-no-link)
endif()
target_include_directories(korvane_options INTERFACE ${PROJECT_SOURCE_DIR}/src)

# korvane_add_library(NAME DIR [LINKS ...]): a static library of every .cpp in DIR.
function(korvane_add_library name dir)
    cmake_parse_arguments(ARG "" "" "LINKS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
    list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
    if(sources)
        add_library(${name} STATIC ${sources})
        target_link_libraries(${name} PUBLIC korvane_options ${ARG_LINKS})
    else()
        add_library(${name} INTERFACE)
        target_link_libraries(${name} INTERFACE korvane_options ${ARG_LINKS})
    endif()
endfunction()
