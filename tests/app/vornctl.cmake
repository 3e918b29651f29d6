# The command-line tools, run as separate processes: vornctl, and vorn_guide
# with the user guides it builds.
vorn_add_gtest(vornctl_test SOURCES vornctl_test.cpp batch_test.cpp guide_test.cpp LIBS Qt6::Gui vorn_app)
add_dependencies(vornctl_test vornctl vorn_guides)
target_compile_definitions(vornctl_test PRIVATE
  VORN_MEASUREMENT_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/measurement/data"
  VORN_WORKBOOK_READER="${PROJECT_SOURCE_DIR}/tests/exchange/data/read_workbook.py"
  VORN_SUMMARY_READER="${CMAKE_CURRENT_SOURCE_DIR}/read_batch_summary.py"
  VORN_DOCS_SOURCE_DIR="${PROJECT_SOURCE_DIR}/docs"
  VORN_GUIDE_TOOL="$<TARGET_FILE:vorn_guide>")
