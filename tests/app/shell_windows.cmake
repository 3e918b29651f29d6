# The application shell's windows: main window, message dialog, splash,
# About and rename dialogs, progress window, and the main window's work with
# graph windows.
vorn_add_gtest(shell_windows_test
  SOURCES
    shell_test_support.cpp
    message_dialog_test.cpp
    progress_window_test.cpp
    main_window_test.cpp
    main_window_queue_test.cpp
    main_window_graphs_test.cpp
    startup_test.cpp
    small_dialogs_test.cpp
    handover_to_window_test.cpp
  LIBS vorn_ui)
target_compile_definitions(shell_windows_test PRIVATE VORN_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
# The hand-over test starts the single-instance tests' second process.
target_compile_definitions(shell_windows_test PRIVATE HANDOVER_CLIENT="$<TARGET_FILE:handover_client>")
add_dependencies(shell_windows_test handover_client)
