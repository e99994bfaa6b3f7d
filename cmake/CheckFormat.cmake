# SPDX-License-Identifier: MIT
# cmake -DSOURCE_DIR=<tree> -DCLANG_FORMAT=<tool> -P CheckFormat.cmake
# Fails when a tracked C++ file differs from what clang-format makes of it.
cmake_policy(VERSION 3.25)
execute_process(COMMAND git ls-files -- "*.cpp" "*.h"
                WORKING_DIRECTORY ${SOURCE_DIR} OUTPUT_VARIABLE files RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  # Not a git checkout (a source archive): every C++ file below the tree.
  file(GLOB_RECURSE files RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.cpp ${SOURCE_DIR}/*.h)
  list(FILTER files EXCLUDE REGEX "^build")
else()
  string(REPLACE "\n" ";" files "${files}")
endif()
list(FILTER files EXCLUDE REGEX "^$")
execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror ${files}
                WORKING_DIRECTORY ${SOURCE_DIR} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "Run clang-format -i on the files named above.")
endif()
