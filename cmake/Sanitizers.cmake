# SPDX-License-Identifier: MIT
# With VELTRISKO_SANITIZE every target of the build runs under AddressSanitizer
# and UndefinedBehaviorSanitizer, and any report fails the test that caused it.
if(VELTRISKO_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
endif()
