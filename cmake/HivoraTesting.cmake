include(GoogleTest)

# Registers every GoogleTest case of a test executable with CTest. Under the
# cross toolchains the list is read through the Wine emulator at test time,
# and a cold Wine start can take far longer than CMake's default of five seconds.
# DESKTOP marks tests that show windows: the screen and the mouse are shared,
# so those never run beside each other. PROPERTIES adds further test properties.
function(hivora_add_gtest target)
    cmake_parse_arguments(PARSE_ARGV 1 arg "DESKTOP" "" "PROPERTIES")
    set(properties TIMEOUT 120 ${arg_PROPERTIES})
    if(arg_DESKTOP)
        list(APPEND properties RESOURCE_LOCK hivora_desktop)
    endif()
    gtest_discover_tests(${target}
        DISCOVERY_MODE PRE_TEST
        NO_PRETTY_VALUES
        DISCOVERY_TIMEOUT 300
        PROPERTIES ${properties})
endfunction()
