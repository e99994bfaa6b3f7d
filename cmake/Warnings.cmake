# SPDX-License-Identifier: MIT
# veltrisko_warnings(target): the project's warning set on one target.
function(veltrisko_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(VELTRISKO_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
