# SPDX-License-Identifier: MIT
# Runs the native and the WebAssembly veltrisko-pattern with the same
# arguments, each writing the file after them (in WORK_DIR); fails unless both
# succeed and the files are equal byte for byte.
# Variables: NATIVE, WEB (words separated by '|'), ARGS (separated by '|'),
# NAME (the file's name), WORK_DIR.
string(REPLACE "|" ";" native_command "${NATIVE}")
string(REPLACE "|" ";" web_command "${WEB}")
string(REPLACE "|" ";" arguments "${ARGS}")
foreach(build native web)
  file(REMOVE_RECURSE ${WORK_DIR}/${build})
  file(MAKE_DIRECTORY ${WORK_DIR}/${build})
  execute_process(COMMAND ${${build}_command} ${arguments} ${WORK_DIR}/${build}/${NAME}
                  RESULT_VARIABLE status ERROR_VARIABLE errors)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${build}: exit status ${status}: ${errors}")
  endif()
endforeach()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK_DIR}/native/${NAME}
                        ${WORK_DIR}/web/${NAME} RESULT_VARIABLE differ)
if(NOT differ EQUAL 0)
  message(FATAL_ERROR "the WebAssembly tool wrote another ${NAME} than the native one")
endif()
