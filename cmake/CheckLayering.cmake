# Fails when a file outside src/app includes a header of src/app: actions and
# feature windows reach the main window only through ui/ActionHost.h.
#   cmake -DSOURCE_DIR=<repository>/src -P CheckLayering.cmake
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.cpp)
set(offenders)
foreach(source IN LISTS sources)
    if(source MATCHES "^app/")
        continue()
    endif()
    file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^#include \"app/")
    if(includes)
        list(APPEND offenders "${source}: ${includes}")
    endif()
endforeach()
if(offenders)
    list(JOIN offenders "\n  " text)
    message(FATAL_ERROR "Headers of src/app included outside it:\n  ${text}")
endif()
