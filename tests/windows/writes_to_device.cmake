# SPDX-License-Identifier: MIT
# Runs COMMAND ('|'-separated) in an empty WORK_DIR, where it writes to a
# device name: it must succeed and leave no file behind.
string(REPLACE "|" ";" COMMAND "${COMMAND}")
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
execute_process(COMMAND ${COMMAND} WORKING_DIRECTORY ${WORK_DIR} RESULT_VARIABLE status
                ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "exit status ${status}\n${errors}")
endif()
file(GLOB left ${WORK_DIR}/*)
if(left)
  message(FATAL_ERROR "left behind: ${left}")
endif()
