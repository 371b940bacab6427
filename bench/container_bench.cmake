# The driver of bench/container_bench.sh, part of the native build so that it keeps compiling. The script builds
# an optimised copy of its own for measuring.
add_executable(container_bench ${CMAKE_CURRENT_LIST_DIR}/container_bench.cpp)
target_link_libraries(container_bench PRIVATE hivora_container)
