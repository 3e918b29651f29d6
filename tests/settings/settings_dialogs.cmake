# The settings and correction dialogs, driven offscreen; and the correction
# checks of the settings core, which join the settings tests.
target_sources(settings_tests PRIVATE CorrectionValuesTest.cpp)

# The dialogs work on graph windows and the tests open and save measurements:
# the binary is built once the graph window and the load/save code are there.
file(GLOB settings_dialogs_graph ${PROJECT_SOURCE_DIR}/src/graph/ui/TFrm_Graph*.cpp)
file(GLOB settings_dialogs_saveload ${PROJECT_SOURCE_DIR}/src/*/ui/*SaveLoad*.cpp)
if(NOT TARGET vorn_ui OR NOT settings_dialogs_graph OR NOT settings_dialogs_saveload)
  return()
endif()
vorn_add_gtest(settings_dialogs_test
  SOURCES
    ui/dialog_test_support.cpp
    ui/settings_dialog_test.cpp
    ui/correction_dialog_test.cpp
  LIBS vorn_ui)
target_compile_definitions(settings_dialogs_test PRIVATE VORN_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
