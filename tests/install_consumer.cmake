# Installs the built project into a fresh prefix, then configures, builds and runs the consumer
# application against it with find_package(kelvane). -DBUILD=<build tree> -DWORK=<scratch folder>
# -DSOURCE=<consumer source> [-DFLAGS=<compile and link flags>]
file(REMOVE_RECURSE ${WORK})
function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "failed (${rc}): ${ARGN}\n${out}\n${err}")
    endif()
    message(STATUS "${out}")
endfunction()
run(${CMAKE_COMMAND} --install ${BUILD} --prefix ${WORK}/prefix)
find_program(ccache ccache)
set(launcher "")
if(ccache)
    set(launcher -DCMAKE_CXX_COMPILER_LAUNCHER=${ccache})
endif()
run(${CMAKE_COMMAND} -S ${SOURCE} -B ${WORK}/build -DCMAKE_PREFIX_PATH=${WORK}/prefix
    -DCMAKE_BUILD_TYPE=Release ${launcher} "-DCMAKE_CXX_FLAGS=${FLAGS}"
    "-DCMAKE_EXE_LINKER_FLAGS=${FLAGS}")
run(${CMAKE_COMMAND} --build ${WORK}/build)
run(${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${WORK}/build/consumer)
