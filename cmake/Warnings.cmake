# SPDX-License-Identifier: MIT
# veltrisko_warnings(target): the project's warning set on one target.
function(veltrisko_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(VELTRISKO_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
    if(MINGW)
      # mingw's GCC 12 reports overlapping copies inside std::string's own
      # concatenation that cannot happen (a known false alarm); it stays a warning.
      target_compile_options(${target} PRIVATE -Wno-error=restrict)
    endif()
  endif()
endfunction()
