# Import libraries whose DLLs load on their first call instead of before the
# program's first line: the first window needs none of shell32, ole32 and oleaut32.
#
# Each holds only the functions that Windows XP's DLL exports. A newer function
# is then not found there, the linker takes it from the ordinary import library
# that follows, and the import check still sees it, although the system shows
# no loader table of what is delay-loaded.
#
# Where the DLLs come from stays the program's rule: the loader's search is
# restricted at start, and all three are known DLLs, always taken from the system folder.
#
#   hivora_delay_loaded(<variable> <dll>...) sets <variable> to the libraries to link,
#   and adds the DLLs to the global property HIVORA_DELAY_LOADED.
function(hivora_delay_loaded variable)
    set(libraries "")
    set_property(GLOBAL APPEND PROPERTY HIVORA_DELAY_LOADED ${ARGN})
    if(MINGW)
        find_program(HIVORA_NM NAMES ${HIVORA_MINGW_TRIPLE}-nm REQUIRED)
        find_program(HIVORA_DLLTOOL NAMES ${HIVORA_MINGW_TRIPLE}-dlltool REQUIRED)
        find_program(HIVORA_OBJCOPY NAMES ${HIVORA_MINGW_TRIPLE}-objcopy REQUIRED)
        if(CMAKE_SIZEOF_VOID_P EQUAL 4)
            set(x86 ON)
        else()
            set(x86 OFF)
        endif()
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
                     ${PROJECT_SOURCE_DIR}/cmake/MakeDelayImportLibrary.cmake)
        foreach(dll IN LISTS ARGN)
            find_library(import_library_${dll} NAMES ${dll} REQUIRED NO_CACHE)
            set(library ${CMAKE_BINARY_DIR}/delay-load/lib${dll}_delayed.a)
            execute_process(
                COMMAND ${CMAKE_COMMAND} -DNM=${HIVORA_NM} -DDLLTOOL=${HIVORA_DLLTOOL} -DOBJCOPY=${HIVORA_OBJCOPY}
                        -DIMPORT_LIBRARY=${import_library_${dll}} -DDLL=${dll}
                        -DXP_EXPORTS=${PROJECT_SOURCE_DIR}/cmake/xp-exports/${dll}.txt
                        -DOUTPUT=${library} -DX86=${x86}
                        -P ${PROJECT_SOURCE_DIR}/cmake/MakeDelayImportLibrary.cmake
                COMMAND_ERROR_IS_FATAL ANY)
            list(APPEND libraries ${library})
        endforeach()
    elseif(MSVC)
        foreach(dll IN LISTS ARGN)
            list(APPEND libraries ${dll} "-DELAYLOAD:${dll}.dll")
        endforeach()
        list(APPEND libraries delayimp)
    endif()
    set(${variable} ${libraries} PARENT_SCOPE)
endfunction()
