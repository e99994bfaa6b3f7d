# SPDX-License-Identifier: MIT
include(GoogleTest)

# veltrisko_gtest(NAME name SOURCES ... LIBRARIES ... LABELS ...):
# one GoogleTest executable whose cases CTest runs one by one.
function(veltrisko_gtest)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBRARIES;LABELS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBRARIES} GTest::gtest_main GTest::gmock)
  target_include_directories(${T_NAME} PRIVATE ${PROJECT_SOURCE_DIR})
  veltrisko_warnings(${T_NAME})
  gtest_discover_tests(${T_NAME} DISCOVERY_TIMEOUT 60 PROPERTIES LABELS "${T_LABELS}")
endfunction()
