# The application shell's windows: main window, message dialog, splash,
# About and rename dialogs, progress window.
set(shell_stub_definitions)
set(shell_stub_sources)
file(GLOB shell_graph_window ${PROJECT_SOURCE_DIR}/src/graph/ui/TFrm_Graph*.cpp)
set(shell_graph_tests)
if(shell_graph_window)
  set(shell_graph_tests main_window_graphs_test.cpp)
else()
  list(APPEND shell_stub_definitions VORN_STUB_GRAPH_WINDOW)
  list(APPEND shell_stub_sources ${PROJECT_SOURCE_DIR}/src/graph/ui/TFrm_Graph.h)
endif()
file(GLOB shell_save_load ${PROJECT_SOURCE_DIR}/src/*/ui/*SaveLoad*.cpp)
if(NOT shell_save_load)
  list(APPEND shell_stub_definitions VORN_STUB_SAVE_LOAD)
endif()
if(shell_stub_definitions)
  list(APPEND shell_stub_sources link_stubs.cpp)
endif()

vorn_add_gtest(shell_windows_test
  SOURCES
    shell_test_support.cpp
    message_dialog_test.cpp
    progress_window_test.cpp
    main_window_test.cpp
    main_window_queue_test.cpp
    startup_test.cpp
    small_dialogs_test.cpp
    ${shell_graph_tests}
    ${shell_stub_sources}
  LIBS vorn_ui)
set_target_properties(shell_windows_test PROPERTIES AUTOMOC ON)
target_compile_definitions(shell_windows_test PRIVATE
  VORN_SOURCE_DIR="${PROJECT_SOURCE_DIR}" ${shell_stub_definitions})
