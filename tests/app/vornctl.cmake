# vornctl, run as a separate process.
vorn_add_gtest(vornctl_test SOURCES vornctl_test.cpp LIBS Qt6::Core)
add_dependencies(vornctl_test vornctl)
target_compile_definitions(vornctl_test PRIVATE
  VORN_MEASUREMENT_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/measurement/data"
  VORN_WORKBOOK_READER="${PROJECT_SOURCE_DIR}/tests/exchange/data/read_workbook.py")
