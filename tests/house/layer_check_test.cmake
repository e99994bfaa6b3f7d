# SPDX-License-Identifier: MIT
# cmake -DCHECKER=<CheckLayers.cmake> -DWORK_DIR=<dir> -P layer_check_test.cmake
# The layer check on a small tree of two layers, `low` and `high` above it:
# the tree as declared passes, and each fault put into it fails the check
# with a message that names the fault.
cmake_policy(VERSION 3.25)

function(write_tree root)
  file(REMOVE_RECURSE ${root})
  file(WRITE ${root}/low/CMakeLists.txt
       "add_library(fixture_low low.cpp)\nveltrisko_layer(low PLAIN)\n")
  file(WRITE ${root}/low/low.h "#pragma once\n#include <string>\n")
  file(WRITE ${root}/low/low.cpp "#include \"low/low.h\"\n")
  file(WRITE ${root}/high/CMakeLists.txt
       "add_library(fixture_high high.cpp)\n"
       "target_link_libraries(fixture_high PUBLIC fixture_low)\n"
       "veltrisko_layer(high DEPENDS low)\n")
  file(WRITE ${root}/high/high.h "#pragma once\n#include <QString>\n")
  file(WRITE ${root}/high/high.cpp "#include \"high/high.h\"\n#include \"low/low.h\"\n")
  file(WRITE ${root}/house.md "| layer | depends on | plain |\n|---|---|---|\n"
                              "| `low` | — | yes |\n| `high` | `low` | no |\n")
endfunction()

# check_case(name FILE file (APPEND|WRITE) text [EXPECT message]): the tree
# with `text` appended to `file` or written as it; without EXPECT the check
# passes, with it the check fails and says `message`.
set(failed "")
function(check_case name)
  cmake_parse_arguments(C "" "FILE;APPEND;WRITE;EXPECT" "" ${ARGN})
  set(root ${WORK_DIR}/tree)
  write_tree(${root})
  if(DEFINED C_WRITE)
    file(WRITE ${root}/${C_FILE} "${C_WRITE}")
  else()
    file(APPEND ${root}/${C_FILE} "${C_APPEND}")
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${root} -DHOUSE_TABLE=${root}/house.md
                          -P ${CHECKER}
                  RESULT_VARIABLE status ERROR_VARIABLE errors OUTPUT_QUIET)
  string(REGEX REPLACE "[ \t\n]+" " " errors "${errors}")
  if(NOT DEFINED C_EXPECT)
    if(NOT status EQUAL 0)
      set(failed ${failed} "${name}: the check failed: ${errors}" PARENT_SCOPE)
    endif()
  elseif(status EQUAL 0)
    set(failed ${failed} "${name}: the check passed" PARENT_SCOPE)
  else()
    string(FIND "${errors}" "${C_EXPECT}" at)
    if(at EQUAL -1)
      set(failed ${failed} "${name}: no \"${C_EXPECT}\" in: ${errors}" PARENT_SCOPE)
    endif()
  endif()
endfunction()

check_case("as declared" FILE low/low.h APPEND "")
check_case("upward include" FILE low/low.cpp APPEND "#include \"high/high.h\"\n"
           EXPECT "low/low.cpp: 'low' may not include from 'high'")
check_case("undeclared link" FILE low/CMakeLists.txt
           APPEND "target_link_libraries(fixture_low PRIVATE fixture_high)\n"
           EXPECT "fixture_low may not link fixture_high of 'high'")
check_case("window system in a plain layer" FILE low/low.h APPEND "#include <QWidget>\n"
           EXPECT "the plain layer 'low' includes <QWidget")
check_case("cycle" FILE low/CMakeLists.txt
           WRITE "add_library(fixture_low low.cpp)\nveltrisko_layer(low DEPENDS high)\n"
           EXPECT "its dependencies lead back to itself")
check_case("folder without a layer" FILE high/extra/extra.cpp APPEND "int x;\n"
           EXPECT "folder 'high/extra' declares no veltrisko_layer()")
check_case("table of another house" FILE house.md APPEND "| `mid` | `low` | yes |\n"
           EXPECT "'mid' depends on '', the table says 'low'")
check_case("table not telling plain" FILE house.md WRITE "| `low` | — | no |\n| `high` | `low` | no |\n"
           EXPECT "'low' plain: 'yes', the table says 'no'")

if(failed)
  string(REPLACE ";" "\n" failed "${failed}")
  message(FATAL_ERROR "${failed}")
endif()
