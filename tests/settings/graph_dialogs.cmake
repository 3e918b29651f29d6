# The measurement info and graph settings dialogs, opened from real graph
# windows offscreen.
if(NOT TARGET vorn_ui)
  return()
endif()
vorn_add_gtest(graph_dialogs_test
  SOURCES
    ui/graph_dialogs_support.cpp
    ui/graph_info_dialog_test.cpp
    ui/set_graph_dialog_test.cpp
    ui/graph_dialogs_picture_test.cpp
  LIBS vorn_ui)
target_compile_definitions(graph_dialogs_test PRIVATE VORN_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
