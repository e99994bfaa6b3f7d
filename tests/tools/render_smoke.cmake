# Runs `veltrisko-pattern render` without a display, then checks the picture.
# Variables: TOOL, CHECKER, ARGS (separated by '|'), OUTPUT (the PNG the
# arguments name), EXIT (expected status, default 0), STDERR (regular
# expression), CHECKS (png_check arguments separated by '|', optional).
string(REPLACE "|" ";" arguments "${ARGS}")
file(REMOVE ${OUTPUT})
execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                        ${TOOL} ${arguments}
                RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT DEFINED EXIT)
  set(EXIT 0)
endif()
if(NOT "${status}" STREQUAL "${EXIT}")
  message(FATAL_ERROR "exit status ${status}, expected ${EXIT}\n${errors}")
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
