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
# Only the 64-bit build: for 32-bit programs the linker of binutils 2.40 drops the
# code a delay-loaded function's slot first points to, and the first call jumps to 0.
#
#   hivora_delay_loaded(<variable> <dll>...) sets <variable> to the libraries to link.
function(hivora_delay_loaded variable)
    set(libraries "")
    if(MINGW AND CMAKE_SIZEOF_VOID_P EQUAL 8)
        find_program(HIVORA_NM NAMES ${HIVORA_MINGW_TRIPLE}-nm REQUIRED)
        find_program(HIVORA_DLLTOOL NAMES ${HIVORA_MINGW_TRIPLE}-dlltool REQUIRED)
        foreach(dll IN LISTS ARGN)
            find_library(import_library_${dll} NAMES ${dll} REQUIRED NO_CACHE)
            set(library ${CMAKE_BINARY_DIR}/delay-load/lib${dll}_delayed.a)
            execute_process(
                COMMAND ${CMAKE_COMMAND} -DNM=${HIVORA_NM} -DDLLTOOL=${HIVORA_DLLTOOL}
                        -DIMPORT_LIBRARY=${import_library_${dll}} -DDLL=${dll}
                        -DXP_EXPORTS=${PROJECT_SOURCE_DIR}/cmake/xp-exports/${dll}.txt
                        -DOUTPUT=${library}
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
