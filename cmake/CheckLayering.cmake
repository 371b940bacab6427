# Fails when an include runs against the layering. A folder of src includes its
# own headers and those of the layers below it, never a layer above or beside:
#   services, container < ui < settings < backup, cleanup, launchers < app
# so actions and feature windows reach the main window only through ui/ActionHost.h.
#   cmake -DSOURCE_DIR=<repository>/src -P CheckLayering.cmake
set(layer_services 0)
set(layer_container 0)
set(layer_ui 1)
set(layer_settings 2)
set(layer_backup 3)
set(layer_cleanup 3)
set(layer_launchers 3)
set(layer_app 4)

file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.cpp)
set(offenders)
foreach(source IN LISTS sources)
    string(REGEX MATCH "^[^/]+" folder ${source})
    if(NOT DEFINED layer_${folder})
        continue()
    endif()
    file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^#include \"[a-z]+/")
    foreach(include IN LISTS includes)
        string(REGEX REPLACE "^#include \"([a-z]+)/.*" "\\1" included ${include})
        if(NOT included STREQUAL folder AND (NOT DEFINED layer_${included} OR
                                             NOT layer_${included} LESS layer_${folder}))
            list(APPEND offenders "${source}: ${include}")
        endif()
    endforeach()
endforeach()
if(offenders)
    list(JOIN offenders "\n  " text)
    message(FATAL_ERROR "Includes against the layering:\n  ${text}")
endif()
