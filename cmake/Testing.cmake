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
  # Its sources compiled together, eight at a time: the headers are read once a batch.
  set_target_properties(${T_NAME} PROPERTIES UNITY_BUILD ON)
  gtest_discover_tests(${T_NAME} DISCOVERY_TIMEOUT 60 ${VELTRISKO_TEST_DISCOVERY}
                       PROPERTIES LABELS "${T_LABELS}" ${VELTRISKO_TEST_FIXTURES})
endfunction()

# veltrisko_tool_test(NAME ARGS arg... [EXIT status] [STDOUT regex]
#   [EXPECTED file] [LINES n] [FIRST_LINE text] [STDERR regex] [INPUT file]
#   [OUTPUT file [CHECKS png_check-argument...] [OUTPUT_EQUALS file]]
#   [STDOUT_TO file] [WRAPPER command...] [INPUT_COMMAND command...]
#   [ABSENT pattern] [UNCHANGED file] [TIMEOUT seconds] [LABELS label...]):
# one run of veltrisko-pattern, without a display, checked by
# tests/tools/run_tool.cmake (which documents every check).
function(veltrisko_tool_test name)
  cmake_parse_arguments(T ""
    "EXIT;STDOUT;EXPECTED;LINES;FIRST_LINE;STDERR;INPUT;OUTPUT;OUTPUT_EQUALS;STDOUT_TO;ABSENT;UNCHANGED;TIMEOUT"
    "ARGS;CHECKS;WRAPPER;INPUT_COMMAND;LABELS" ${ARGN})
  set(definitions -DTOOL=$<TARGET_FILE:veltrisko-pattern>)
  foreach(list ARGS CHECKS WRAPPER INPUT_COMMAND)
    if(DEFINED T_${list})
      string(REPLACE ";" "|" joined "${T_${list}}")
      list(APPEND definitions "-D${list}=${joined}")
    endif()
  endforeach()
  foreach(value EXIT STDOUT EXPECTED LINES FIRST_LINE STDERR INPUT OUTPUT OUTPUT_EQUALS STDOUT_TO
                ABSENT UNCHANGED)
    if(DEFINED T_${value})
      list(APPEND definitions "-D${value}=${T_${value}}")
    endif()
  endforeach()
  if(DEFINED T_CHECKS)
    list(APPEND definitions -DCHECKER=$<TARGET_FILE:png_check>)
  endif()
  add_test(NAME ${name} COMMAND ${CMAKE_COMMAND} ${definitions}
                                -P ${PROJECT_SOURCE_DIR}/tests/tools/run_tool.cmake)
  if(NOT DEFINED T_TIMEOUT)
    set(T_TIMEOUT 60)
  endif()
  set_tests_properties(${name} PROPERTIES LABELS "tool;${T_LABELS}" TIMEOUT ${T_TIMEOUT})
endfunction()
