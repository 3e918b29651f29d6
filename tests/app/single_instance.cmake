# The single-instance tests and their second process, handover_client.
# Included from tests/app/CMakeLists.txt; paths are relative to this file.
find_package(Qt6 REQUIRED COMPONENTS Test)

add_executable(handover_client ${CMAKE_CURRENT_LIST_DIR}/handover_client.cpp)
target_link_libraries(handover_client PRIVATE vorn_app)
# A test helper, kept out of the program's folder.
set_target_properties(handover_client PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})

vorn_add_gtest(single_instance_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/single_instance_test.cpp
  LIBS vorn_app Qt6::Test)
target_compile_definitions(single_instance_test PRIVATE
  HANDOVER_CLIENT="$<TARGET_FILE:handover_client>")
add_dependencies(single_instance_test handover_client)
