# The graph window and the opening and saving of measurements, driven through
# a real main window offscreen.
find_package(Qt6 REQUIRED COMPONENTS Test)
vorn_add_gtest(graph_window_test
  SOURCES
    ui/GraphWindowTestSupport.cpp
    ui/OpenCloseTest.cpp
    ui/AxesTest.cpp
    ui/CursorTest.cpp
    ui/SaveRenameLanguageTest.cpp
    ui/WarningStripTest.cpp
    ui/SpanCursorTest.cpp
    ui/CompareWindowTest.cpp
  LIBS vorn_ui Qt6::Test)
target_compile_definitions(graph_window_test PRIVATE VORN_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
