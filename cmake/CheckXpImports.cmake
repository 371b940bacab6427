cmake_minimum_required(VERSION 3.25)
# Fails when the executable imports a function that Windows XP's DLL does not
# export, or asks for a newer subsystem: XP's loader would refuse to start it.
# Functions newer than XP must be looked up at run time instead. Also fails when
# a DLL meant to load on its first call is loaded before the program's first line.
#   cmake -DOBJDUMP=... -DEXECUTABLE=... -DXP_EXPORTS=<folder of dll.txt lists>
#         [-DLOADED_WHEN_USED=<dll>,<dll>...] -P CheckXpImports.cmake
if(NOT IS_DIRECTORY "${XP_EXPORTS}")
    message(FATAL_ERROR "No lists of XP's exports in '${XP_EXPORTS}': cannot tell whether the program loads on XP")
endif()

# The lists follow Server 2003 in places and carry these, which XP SP3 (32-bit) lacks.
set(missing_on_xp
    EnumSystemFirmwareTables FlsAlloc FlsFree FlsGetValue FlsSetValue GetLargePageMinimum GetProcessIdOfThread
    GetSystemFirmwareTable GetThreadId ReOpenFile SetThreadStackGuarantee Wow64DisableWow64FsRedirection
    Wow64EnableWow64FsRedirection Wow64RevertWow64FsRedirection
    RegDeleteKeyExA RegDeleteKeyExW RegDisableReflectionKey RegEnableReflectionKey RegGetValueA RegGetValueW
    RegQueryReflectionKey
    LoadIconMetric LoadIconWithScaleDown TaskDialog TaskDialogIndirect
    GetFileVersionInfoExA GetFileVersionInfoExW GetFileVersionInfoSizeExA GetFileVersionInfoSizeExW)

execute_process(COMMAND ${OBJDUMP} -p ${EXECUTABLE} OUTPUT_VARIABLE headers RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "objdump could not read ${EXECUTABLE}")
endif()

# XP is NT 5.1; its 64-bit edition is NT 5.2.
string(REGEX MATCH "MajorSubsystemVersion\t([0-9]+)\nMinorSubsystemVersion\t([0-9]+)" subsystem "${headers}")
if(NOT subsystem)
    message(FATAL_ERROR "no subsystem version found in ${EXECUTABLE}")
endif()
set(subsystem "${CMAKE_MATCH_1}.${CMAKE_MATCH_2}")
if(headers MATCHES "Magic\t+020b")
    set(oldest 5.2)
    # The lists are of the 32-bit DLLs; XP's 64-bit edition adds these.
    set(only_64_bit
        RtlAddFunctionTable RtlDeleteFunctionTable RtlLookupFunctionEntry
        RtlUnwindEx RtlVirtualUnwind __C_specific_handler
        GetClassLongPtrW GetWindowLongPtrW SetClassLongPtrW SetWindowLongPtrW)
else()
    set(oldest 5.1)
    set(only_64_bit "")
endif()
if(subsystem VERSION_GREATER oldest)
    message(FATAL_ERROR "${EXECUTABLE} asks for subsystem ${subsystem}; XP is ${oldest}")
endif()

# Each imported DLL: its name, a header line, then one line per function: "\t<vma>\t <hint>  <name>".
string(REGEX MATCHALL "DLL Name: [^\n]+\n[^\n]*\n(\t[0-9a-fA-F]+\t +[0-9]+  [^\n]*\n)*" blocks "${headers}")
if(NOT blocks)
    message(FATAL_ERROR "no imports found in ${EXECUTABLE}")
endif()
string(REPLACE "," ";" loaded_when_used "${LOADED_WHEN_USED}")
set(faults "")
foreach(block IN LISTS blocks)
    string(REGEX MATCH "DLL Name: ([^\n]+)" _ "${block}")
    string(STRIP "${CMAKE_MATCH_1}" dll)
    string(TOLOWER "${dll}" dll)
    string(REGEX REPLACE "\\.dll$" "" list_name "${dll}")
    if(list_name IN_LIST loaded_when_used)
        list(APPEND faults "${dll}: loads before the program's first line, not on its first call")
    endif()
    set(list_file "${XP_EXPORTS}/${list_name}.txt")
    if(NOT EXISTS "${list_file}")
        list(APPEND faults "${dll}: no list of what XP's ${dll} exports")
        continue()
    endif()
    file(STRINGS "${list_file}" exported)
    string(REGEX MATCHALL "\t[0-9a-fA-F]+\t +[0-9]+  [^\n]*" functions "${block}")
    foreach(function IN LISTS functions)
        string(REGEX REPLACE "^\t[0-9a-fA-F]+\t +[0-9]+  " "" name "${function}")
        string(STRIP "${name}" name)
        if(name MATCHES "^<none>")
            list(APPEND faults "${dll}: a function imported by number, which cannot be checked")
        elseif(name IN_LIST missing_on_xp OR NOT (name IN_LIST exported OR name IN_LIST only_64_bit))
            list(APPEND faults "${dll}: ${name}")
        endif()
    endforeach()
endforeach()
if(faults)
    list(JOIN faults "\n  " text)
    message(FATAL_ERROR "${EXECUTABLE} imports what Windows XP lacks; look these up at run time:\n  ${text}")
endif()
