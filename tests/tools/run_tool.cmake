# SPDX-License-Identifier: MIT
# Runs the tool once, without a display, and checks what it did. Variables:
#   TOOL (required; a command with its arguments separated by '|', such as
#   the Wine runner before a Windows program), ARGS (arguments separated by '|'), INPUT (standard input
#   file), EXIT (expected status, default 0), EXPECTED (file standard output
#   must equal), LINES (expected number of output lines), FIRST_LINE,
#   STDERR (regular expression standard error must match), OUTPUT (a file
#   the arguments name, removed first), CHECKER and CHECKS (a program run on
#   OUTPUT with the arguments CHECKS, separated by '|').
string(REPLACE "|" ";" tool_command "${TOOL}")
string(REPLACE "|" ";" arguments "${ARGS}")
set(input_option)
if(INPUT)
  set(input_option INPUT_FILE ${INPUT})
endif()
if(DEFINED OUTPUT)
  file(REMOVE ${OUTPUT})
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                        ${tool_command} ${arguments} ${input_option}
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
if(DEFINED CHECKS)
  string(REPLACE "|" ";" checks "${CHECKS}")
  execute_process(COMMAND ${CHECKER} ${OUTPUT} ${checks} RESULT_VARIABLE checked
                  ERROR_VARIABLE complaint)
  if(NOT checked EQUAL 0)
    message(FATAL_ERROR "${OUTPUT}: ${complaint}")
  endif()
endif()
