# Project-wide defaults: standard, warnings, sanitizers, output folders.
set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
set(CMAKE_LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/lib)
set(CMAKE_ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/lib)
if(NOT CMAKE_BUILD_TYPE AND NOT CMAKE_CONFIGURATION_TYPES)
    set(CMAKE_BUILD_TYPE RelWithDebInfo CACHE STRING "Build type" FORCE)
endif()

find_program(KV_CCACHE ccache)
if(KV_CCACHE)
    set(CMAKE_CXX_COMPILER_LAUNCHER ${KV_CCACHE})
endif()

if(KV_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                        -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()

if(KV_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "KV_FUZZ needs clang (-DCMAKE_CXX_COMPILER=clang++)")
    endif()
    # Coverage for the fuzzer in every library; the fuzz targets add the fuzzer's own main.
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                        -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()

function(kv_defaults target)
    target_compile_options(${target} PRIVATE -Wall -Wextra $<$<BOOL:${KV_WERROR}>:-Werror>)
endfunction()

# kv_host_library(NAME SOURCES...): a stand-in's shared library, installed beside the system
# library when the Qt API needs it at run time (it finds its neighbours there).
function(kv_host_library name)
    add_library(${name} SHARED ${ARGN})
    kv_defaults(${name})
    target_include_directories(${name} PUBLIC $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}>)
    set_target_properties(${name} PROPERTIES INSTALL_RPATH "$ORIGIN")
endfunction()
