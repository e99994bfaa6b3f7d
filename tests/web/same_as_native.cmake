# SPDX-License-Identifier: MIT
# Runs the native and the WebAssembly build of veltrisko-pattern with the same
# arguments and standard input; fails unless both exit alike and write the
# same bytes to standard output and standard error.
# Variables: NATIVE, WEB (commands, words separated by '|'), ARGS (separated by
# '|') and INPUT (standard input file, optional).
string(REPLACE "|" ";" native_command "${NATIVE}")
string(REPLACE "|" ";" web_command "${WEB}")
string(REPLACE "|" ";" arguments "${ARGS}")
set(input_option)
if(INPUT)
  set(input_option INPUT_FILE ${INPUT})
endif()
foreach(build native web)
  execute_process(COMMAND ${${build}_command} ${arguments} ${input_option}
                  RESULT_VARIABLE ${build}_status OUTPUT_VARIABLE ${build}_output
                  ERROR_VARIABLE ${build}_errors)
endforeach()
if(NOT native_status STREQUAL web_status)
  message(FATAL_ERROR "exit status ${web_status} in WebAssembly, ${native_status} natively: ${web_errors}")
endif()
if(native_output STREQUAL "")
  message(FATAL_ERROR "no output natively")
endif()
foreach(stream output errors)
  if(NOT native_${stream} STREQUAL web_${stream})
    # Name the first line that differs.
    string(REPLACE "\n" ";" native_lines "${native_${stream}}")
    string(REPLACE "\n" ";" web_lines "${web_${stream}}")
    list(LENGTH native_lines count)
    foreach(i RANGE ${count})
      list(GET native_lines ${i} n)
      list(GET web_lines ${i} w)
      if(NOT n STREQUAL w)
        math(EXPR line "${i} + 1")
        message(FATAL_ERROR "${stream}, line ${line}: '${w}' in WebAssembly, '${n}' natively")
      endif()
    endforeach()
    message(FATAL_ERROR "the ${stream} differ")
  endif()
endforeach()
