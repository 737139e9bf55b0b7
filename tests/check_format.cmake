# Fails when a tracked C++ source differs from what clang-format makes of it (.clang-format at
# the top; `make format` formats them all).
#   cmake -DROOT=<source tree> -DCLANG_FORMAT=<clang-format> -P check_format.cmake
if(NOT ROOT OR NOT CLANG_FORMAT)
    message(FATAL_ERROR "ROOT and CLANG_FORMAT must be set")
endif()
find_package(Git QUIET)
if(GIT_FOUND AND EXISTS ${ROOT}/.git)
    execute_process(COMMAND ${GIT_EXECUTABLE} ls-files -- "*.cpp" "*.h"
                    WORKING_DIRECTORY ${ROOT} OUTPUT_VARIABLE listed RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "git ls-files failed in ${ROOT}")
    endif()
    string(STRIP "${listed}" listed)
    string(REPLACE "\n" ";" files "${listed}")
else()
    # Not a checkout (an unpacked archive): every source below the top, but no build folder.
    file(GLOB_RECURSE files RELATIVE ${ROOT} ${ROOT}/*.cpp ${ROOT}/*.h)
    list(FILTER files EXCLUDE REGEX "^build")
endif()
execute_process(COMMAND ${CLANG_FORMAT} --dry-run -Werror ${files}
                WORKING_DIRECTORY ${ROOT} RESULT_VARIABLE rc ERROR_VARIABLE problems)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "not formatted as .clang-format says (run `make format`):\n${problems}")
endif()
list(LENGTH files count)
message(STATUS "${count} sources formatted as .clang-format says")
