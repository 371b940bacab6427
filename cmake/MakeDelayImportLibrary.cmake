cmake_minimum_required(VERSION 3.25)
# Makes a delay-import library of the functions of IMPORT_LIBRARY that XP's DLL exports.
#   cmake -DNM=... -DDLLTOOL=... -DIMPORT_LIBRARY=... -DDLL=<name without .dll> -DXP_EXPORTS=<list>
#         -DOUTPUT=<library> -P MakeDelayImportLibrary.cmake
execute_process(COMMAND ${NM} ${IMPORT_LIBRARY} OUTPUT_VARIABLE symbols COMMAND_ERROR_IS_FATAL ANY)
file(STRINGS "${XP_EXPORTS}" exported)
# Each function's import slot, "__imp_Name".
string(REGEX MATCHALL " I __imp_[^\n]+" slots "${symbols}")
set(definitions "")
foreach(slot IN LISTS slots)
    string(REGEX REPLACE "^ I __imp_" "" name "${slot}")
    if(name IN_LIST exported)
        list(APPEND definitions "${name}")
    endif()
endforeach()
list(REMOVE_DUPLICATES definitions)
if(NOT definitions)
    message(FATAL_ERROR "${IMPORT_LIBRARY} names no function that XP's ${DLL}.dll exports")
endif()
list(JOIN definitions "\n" exports)
get_filename_component(folder "${OUTPUT}" DIRECTORY)
file(MAKE_DIRECTORY "${folder}")
file(WRITE "${OUTPUT}.def" "LIBRARY ${DLL}.dll\nEXPORTS\n${exports}\n")
execute_process(COMMAND ${DLLTOOL} --input-def ${OUTPUT}.def --output-delaylib ${OUTPUT} --dllname ${DLL}.dll
                COMMAND_ERROR_IS_FATAL ANY)
