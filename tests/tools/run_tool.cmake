# SPDX-License-Identifier: MIT
# Runs the tool once, without a display, and checks what it did. Lists are
# separated by '|'. Variables:
#   TOOL (required), ARGS (its arguments), WRAPPER (a command that runs the
#   tool, given as its last arguments, e.g. under a resource limit),
#   INPUT (standard input file) or INPUT_COMMAND (a command whose output is
#   piped in), STDOUT_TO (a file standard output goes to instead),
#   EXIT (expected status, default 0), EXPECTED (file standard output must
#   equal), STDOUT (regular expression standard output must match),
#   LINES (expected number of output lines), FIRST_LINE,
#   STDERR (regular expression standard error must match),
#   OUTPUT (a file the arguments name, removed first), CHECKER and CHECKS
#   (a program run on OUTPUT with the arguments CHECKS), OUTPUT_EQUALS (a
#   file OUTPUT must equal),
#   ABSENT (a file pattern whose matches are removed first and that nothing
#   may match afterwards),
#   UNCHANGED (a file written with known text first that must keep it).
foreach(list ARGS WRAPPER INPUT_COMMAND CHECKS)
  string(REPLACE "|" ";" ${list} "${${list}}")
endforeach()
set(redirections)
if(INPUT)
  list(APPEND redirections INPUT_FILE ${INPUT})
endif()
if(STDOUT_TO)
  list(APPEND redirections OUTPUT_FILE ${STDOUT_TO})
endif()
set(feed)
if(INPUT_COMMAND)
  set(feed COMMAND ${INPUT_COMMAND})
endif()
if(DEFINED OUTPUT)
  file(REMOVE ${OUTPUT})
endif()
if(ABSENT)
  file(GLOB stale ${ABSENT})
  if(stale)
    file(REMOVE ${stale})
  endif()
endif()
set(old_text "an older file that a failed write must leave alone\n")
if(UNCHANGED)
  file(WRITE ${UNCHANGED} "${old_text}")
endif()
execute_process(${feed}
                COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                        ${WRAPPER} ${TOOL} ${ARGS}
                ${redirections}
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT DEFINED EXIT)
  set(EXIT 0)
endif()
if(NOT "${status}" STREQUAL "${EXIT}")
  message(FATAL_ERROR "exit status ${status}, expected ${EXIT}\n${errors}")
endif()
if(EXPECTED)
  file(READ ${EXPECTED} expected)
  if(NOT output STREQUAL expected)
    message(FATAL_ERROR "output differs from ${EXPECTED}:\n${output}")
  endif()
endif()
if(DEFINED STDOUT AND NOT output MATCHES "${STDOUT}")
  message(FATAL_ERROR "standard output does not match '${STDOUT}':\n${output}")
endif()
if(DEFINED LINES OR DEFINED FIRST_LINE)
  string(REGEX REPLACE "\n$" "" trimmed "${output}")
  string(REPLACE "\n" ";" lines "${trimmed}")
  list(LENGTH lines count)
  if(DEFINED LINES AND NOT count EQUAL LINES)
    message(FATAL_ERROR "${count} lines, expected ${LINES}")
  endif()
  list(GET lines 0 first)
  if(DEFINED FIRST_LINE AND NOT first STREQUAL FIRST_LINE)
    message(FATAL_ERROR "first line '${first}', expected '${FIRST_LINE}'")
  endif()
endif()
if(DEFINED STDERR AND NOT errors MATCHES "${STDERR}")
  message(FATAL_ERROR "standard error does not match '${STDERR}':\n${errors}")
endif()
if(CHECKS)
  execute_process(COMMAND ${CHECKER} ${OUTPUT} ${CHECKS} RESULT_VARIABLE checked
                  ERROR_VARIABLE complaint)
  if(NOT checked EQUAL 0)
    message(FATAL_ERROR "${OUTPUT}: ${complaint}")
  endif()
endif()
if(OUTPUT_EQUALS)
  file(READ ${OUTPUT_EQUALS} expected)
  file(READ ${OUTPUT} written)
  if(NOT written STREQUAL expected)
    message(FATAL_ERROR "${OUTPUT} differs from ${OUTPUT_EQUALS}")
  endif()
endif()
if(ABSENT)
  file(GLOB left ${ABSENT})
  if(left)
    message(FATAL_ERROR "left behind: ${left}")
  endif()
endif()
if(UNCHANGED)
  file(READ ${UNCHANGED} now)
  if(NOT now STREQUAL old_text)
    message(FATAL_ERROR "${UNCHANGED} was changed")
  endif()
endif()
