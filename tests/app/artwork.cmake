# The artwork test: every picture in the resources loads and renders.
# Included from tests/app/CMakeLists.txt; paths are relative to this file.
vorn_add_gtest(artwork_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/artwork_test.cpp
  LIBS vorn_app)
