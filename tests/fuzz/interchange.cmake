# SPDX-License-Identifier: MIT
# The MSI Planet and CSV readers under libFuzzer; included from this folder's
# CMakeLists.txt.
add_executable(pattern_file_fuzz ${CMAKE_CURRENT_LIST_DIR}/pattern_file_fuzz.cpp)
target_compile_options(pattern_file_fuzz PRIVATE -fsanitize=fuzzer)
target_link_options(pattern_file_fuzz PRIVATE -fsanitize=fuzzer)
target_link_libraries(pattern_file_fuzz PRIVATE veltrisko_interchange)
veltrisko_warnings(pattern_file_fuzz)

file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/pattern_file_corpus)
add_test(NAME pattern_file_fuzz
         COMMAND pattern_file_fuzz -max_total_time=20 -timeout=5 -max_len=4096
                 ${CMAKE_CURRENT_BINARY_DIR}/pattern_file_corpus
                 ${CMAKE_CURRENT_LIST_DIR}/pattern_file_corpus)
set_tests_properties(pattern_file_fuzz PROPERTIES LABELS fuzz TIMEOUT 120)
