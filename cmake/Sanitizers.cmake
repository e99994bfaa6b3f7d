# SPDX-License-Identifier: MIT
# With VELTRISKO_SANITIZE every target of the build runs under AddressSanitizer
# and UndefinedBehaviorSanitizer, and any report fails the test that caused it.
if(VELTRISKO_SANITIZE)
  # -O1 even in a Debug build: the checks stay exact, and the fit's tests
  # run several times faster than unoptimised.
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer $<$<CONFIG:Debug>:-O1>)
  add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
endif()
