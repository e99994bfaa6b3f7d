# SPDX-License-Identifier: MIT
# Runs the render command of the Linux and the Windows build with the same
# arguments and fails unless both exit alike and draw the same pixels.
# Variables: LINUX_COMMAND, WINDOWS_COMMAND (words separated by '|'), ARGS
# (separated by '|'), PNG_CHECK (the Linux picture checker), WORK_DIR.
string(REPLACE "|" ";" linux_command "${LINUX_COMMAND}")
string(REPLACE "|" ";" windows_command "${WINDOWS_COMMAND}")
string(REPLACE "|" ";" arguments "${ARGS}")
file(MAKE_DIRECTORY ${WORK_DIR})
foreach(system linux windows)
  set(${system}_picture ${WORK_DIR}/${system}.png)
  file(REMOVE ${${system}_picture})
  execute_process(COMMAND ${${system}_command} render ${arguments} --output ${${system}_picture}
                  RESULT_VARIABLE ${system}_status)
endforeach()
if(NOT linux_status STREQUAL windows_status)
  message(FATAL_ERROR "exit status ${windows_status} on Windows, ${linux_status} on Linux")
endif()
execute_process(COMMAND ${PNG_CHECK} ${windows_picture} --same-as ${linux_picture}
                RESULT_VARIABLE same)
if(NOT same EQUAL 0)
  message(FATAL_ERROR "the Windows picture ${windows_picture} differs from the Linux one")
endif()
