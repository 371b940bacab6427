# Fails unless the manifest built into the executable asks for the highest
# rights the user has: the tools it starts need an administrator's.
#   cmake -DEXECUTABLE=... -P CheckExecutionLevel.cmake
file(STRINGS ${EXECUTABLE} levels REGEX "requestedExecutionLevel")
if(NOT levels MATCHES "level=\"highestAvailable\"")
    message(FATAL_ERROR "${EXECUTABLE} asks for no highestAvailable execution level: ${levels}")
endif()
