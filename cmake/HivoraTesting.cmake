include(GoogleTest)

# Registers every GoogleTest case of a test executable with CTest. Under the
# cross toolchains the list is read through the Wine emulator at test time,
# and a cold Wine start can take far longer than CMake's default of five seconds.
function(hivora_add_gtest target)
    gtest_discover_tests(${target}
        DISCOVERY_MODE PRE_TEST
        DISCOVERY_TIMEOUT 300
        PROPERTIES TIMEOUT 120)
endfunction()
