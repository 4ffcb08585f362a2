# SPDX-License-Identifier: Apache-2.0
# Unpacks the release ARCHIVE into WORK and fails unless each file REQUIRED
# names is in it with the same bytes as in RELEASE_DIR; lists what it holds.
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${WORK})
file(ARCHIVE_EXTRACT INPUT ${ARCHIVE} DESTINATION ${WORK})
file(GLOB_RECURSE held LIST_DIRECTORIES false RELATIVE ${WORK} ${WORK}/*)
message(STATUS "${ARCHIVE} holds: ${held}")
foreach(name IN LISTS REQUIRED)
    if(NOT name IN_LIST held)
        message(FATAL_ERROR "${ARCHIVE} lacks ${name}")
    endif()
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/${name} ${RELEASE_DIR}/${name}
                    RESULT_VARIABLE differ)
    if(differ)
        message(FATAL_ERROR "${name} in ${ARCHIVE} is not the one in ${RELEASE_DIR}")
    endif()
endforeach()
file(REMOVE_RECURSE ${WORK})
