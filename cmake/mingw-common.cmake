# Shared part of the MinGW-w64 cross toolchains; HIVORA_MINGW_TRIPLE is set by the caller.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${HIVORA_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${HIVORA_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${HIVORA_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${HIVORA_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Test executables run under Wine; the prefix and display come from scripts/with-wine.sh.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-emulator.sh)
