# SPDX-License-Identifier: MIT
include(GoogleTest)

if(CMAKE_CROSSCOMPILING)
  # Debian's GoogleTest sources, built with the cross compiler.
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  # The test programs are listed when ctest starts, not while building, and
  # every test needs the Wine server that the "wine" fixture stops at the end.
  set(VELTRISKO_TEST_DISCOVERY DISCOVERY_MODE PRE_TEST)
  set(VELTRISKO_TEST_FIXTURES FIXTURES_REQUIRED wine)
else()
  find_package(GTest REQUIRED)
  set(VELTRISKO_TEST_DISCOVERY)
  set(VELTRISKO_TEST_FIXTURES)
endif()

# veltrisko_gtest(NAME name SOURCES ... LIBRARIES ... LABELS ...):
# one GoogleTest executable whose cases CTest runs one by one.
function(veltrisko_gtest)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBRARIES;LABELS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBRARIES} GTest::gtest_main GTest::gmock)
  target_include_directories(${T_NAME} PRIVATE ${PROJECT_SOURCE_DIR})
  veltrisko_warnings(${T_NAME})
  gtest_discover_tests(${T_NAME} DISCOVERY_TIMEOUT 60 ${VELTRISKO_TEST_DISCOVERY}
                       PROPERTIES LABELS "${T_LABELS}" ${VELTRISKO_TEST_FIXTURES})
endfunction()
