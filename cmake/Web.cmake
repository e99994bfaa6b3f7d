# SPDX-License-Identifier: MIT
# The WebAssembly build (`make web`, configured with emcmake): the plain C++
# layers, the command-line tool for Node, build-web/bin/veltrisko-pattern.js,
# and the browser page, build-web/veltrisko.html (app/web).
# Nothing that needs OpenGL, Qt or Python, no benchmarks and no unit tests;
# tests/web compares the tool's answers with the native tool's.
set(VELTRISKO_CORE_ONLY ON)
set(VELTRISKO_BENCH OFF)
# Exceptions as WebAssembly instructions: free where nothing is thrown (the
# JavaScript-based kind would route every call that may throw through
# JavaScript and slow the frame computation down).
add_compile_options(-fwasm-exceptions
                    "$<$<COMPILE_LANGUAGE:CXX>:SHELL:-include ${PROJECT_SOURCE_DIR}/cmake/web/compat.h>")
add_link_options(-fwasm-exceptions)

include(cmake/Layers.cmake)
enable_testing()
foreach(layer units text model files scene render analysis dialog interchange fit diagram tools
              app/logic app/web)
  add_subdirectory(${layer})
endforeach()
add_subdirectory(cmake/web)
add_subdirectory(tests/web)

# The frame computation's measuring program for Node (bench/web_frame_bench.sh).
add_executable(veltrisko-web-frame-bench EXCLUDE_FROM_ALL bench/web_frame_bench.cpp)
target_include_directories(veltrisko-web-frame-bench PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(veltrisko-web-frame-bench PRIVATE veltrisko_render)
set_target_properties(veltrisko-web-frame-bench PROPERTIES SUFFIX .js
                      RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
target_link_options(veltrisko-web-frame-bench PRIVATE -sENVIRONMENT=node -sSINGLE_FILE=1
                    -sEXIT_RUNTIME=1 -sALLOW_MEMORY_GROWTH=1)
veltrisko_warnings(veltrisko-web-frame-bench)
