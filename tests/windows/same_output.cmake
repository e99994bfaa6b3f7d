# SPDX-License-Identifier: MIT
# Runs the Linux and the Windows build of a program with the same arguments
# and standard input and fails unless both exit alike and write the same bytes.
# Variables: LINUX_COMMAND, WINDOWS_COMMAND (commands, words separated by '|'), ARGS (separated
# by '|'), INPUT (standard input file, optional).
string(REPLACE "|" ";" linux_command "${LINUX_COMMAND}")
string(REPLACE "|" ";" windows_command "${WINDOWS_COMMAND}")
string(REPLACE "|" ";" arguments "${ARGS}")
set(input_option)
if(INPUT)
  set(input_option INPUT_FILE ${INPUT})
endif()
foreach(system linux windows)
  execute_process(COMMAND ${${system}_command} ${arguments} ${input_option}
                  RESULT_VARIABLE ${system}_status OUTPUT_VARIABLE ${system}_output)
endforeach()
if(NOT linux_status STREQUAL windows_status)
  message(FATAL_ERROR "exit status ${windows_status} on Windows, ${linux_status} on Linux")
endif()
string(LENGTH "${linux_output}" linux_length)
if(linux_length EQUAL 0)
  message(FATAL_ERROR "no output on Linux")
endif()
if(NOT linux_output STREQUAL windows_output)
  # Name the first line that differs.
  string(REPLACE "\n" ";" linux_lines "${linux_output}")
  string(REPLACE "\n" ";" windows_lines "${windows_output}")
  list(LENGTH linux_lines count)
  foreach(i RANGE ${count})
    list(GET linux_lines ${i} l)
    list(GET windows_lines ${i} w)
    if(NOT l STREQUAL w)
      math(EXPR line "${i} + 1")
      message(FATAL_ERROR "line ${line}: '${w}' on Windows, '${l}' on Linux")
    endif()
  endforeach()
  message(FATAL_ERROR "the outputs differ")
endif()
