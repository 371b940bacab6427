cmake_minimum_required(VERSION 3.25)
# Makes a delay-import library of the functions of IMPORT_LIBRARY that XP's DLL exports.
#   cmake -DNM=... -DDLLTOOL=... -DOBJCOPY=... -DIMPORT_LIBRARY=... -DDLL=<name without .dll>
#         -DXP_EXPORTS=<list> -DOUTPUT=<library> [-DX86=ON] -P MakeDelayImportLibrary.cmake
execute_process(COMMAND ${NM} ${IMPORT_LIBRARY} OUTPUT_VARIABLE symbols COMMAND_ERROR_IS_FATAL ANY)
file(STRINGS "${XP_EXPORTS}" exported)
# Each function's import slot: "__imp_Name" for 64-bit programs; for 32-bit ones
# C names carry an underscore and stdcall names the size of their arguments, "__imp__Name@8".
if(X86)
    set(slot_prefix "__imp__")
else()
    set(slot_prefix "__imp_")
endif()
string(REGEX MATCHALL " I ${slot_prefix}[^\n]+" slots "${symbols}")
set(definitions "")
foreach(slot IN LISTS slots)
    string(REGEX REPLACE "^ I ${slot_prefix}" "" name "${slot}")
    string(REGEX REPLACE "@[0-9]+$" "" exported_name "${name}")
    if(exported_name IN_LIST exported)
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
# The 32-bit linker drops an import member's code when no call names its stub, as
# calls through __declspec(dllimport) go to the slot instead. Here the slot first
# points into that code, which loads the DLL, so the code is marked data: it still
# lands in the program's code section, and the first call no longer jumps to 0.
execute_process(COMMAND ${OBJCOPY} --rename-section .text=.text$delay,alloc,load,readonly,data,contents ${OUTPUT}
                COMMAND_ERROR_IS_FATAL ANY)
