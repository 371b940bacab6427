cmake_minimum_required(VERSION 3.25)
# Makes the release ZIP, checks what it holds and unpacks it for the start test.
#   cmake -DCPACK=... -DBUILD_DIR=... -DPACKAGE=Hivora-x.y.z-win32 -P CheckPackage.cmake
set(packages ${BUILD_DIR}/packages)
file(REMOVE_RECURSE ${packages})
execute_process(COMMAND ${CPACK} -G ZIP --config ${BUILD_DIR}/CPackConfig.cmake -B ${packages}
                RESULT_VARIABLE result OUTPUT_QUIET)
set(zip ${packages}/${PACKAGE}.zip)
if(NOT result EQUAL 0 OR NOT EXISTS ${zip})
    message(FATAL_ERROR "cpack did not make ${zip}")
endif()
set(unpacked ${packages}/unpacked)
file(MAKE_DIRECTORY ${unpacked})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${zip} WORKING_DIRECTORY ${unpacked} RESULT_VARIABLE result)
file(GLOB contents RELATIVE ${unpacked} ${unpacked}/*)
list(SORT contents)
if(NOT result EQUAL 0 OR NOT contents STREQUAL "HIVORA.LOC;HIVORA.exe;LIESMICH.txt")
    message(FATAL_ERROR "${zip} holds '${contents}', not HIVORA.exe, HIVORA.LOC and LIESMICH.txt")
endif()
