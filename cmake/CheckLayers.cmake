# SPDX-License-Identifier: MIT
# cmake -DSOURCE_DIR=<tree> -P CheckLayers.cmake
cmake_policy(VERSION 3.25)
# Fails when a file includes a header of a layer above its own, or when a
# plain C++ layer includes a window system or OpenGL header. Each folder's
# layer lists the folders it may include from; a folder missing here fails
# too, so that a new library states its place.
set(layers
  "units:units"
  "text:text"
  "model:model|units"
  "files:files"
  "scene:scene|units"
  "render:render|model|scene|units"
  "render/gl:render/gl|render|model|scene|units|files"
  "analysis:analysis|render|model|scene|units|text"
  "dialog:dialog|scene|model|units|text"
  "interchange:interchange|model|files|units"
  "fit:fit|interchange|dialog|scene|model|units|files|text"
  "diagram:diagram|analysis|interchange|render|model|scene|units|files|text"
  "app/logic:app/logic|analysis|fit|interchange|dialog|render|scene|model|units|files|text"
  "app/qt:app/qt|app/logic|diagram|analysis|fit|interchange|render/gl|dialog|render|scene|model|units|files|text"
  "app/win32:app/win32|app/logic|diagram|analysis|fit|interchange|render/gl|dialog|render|scene|model|units|files|text"
  "tools/cli:tools/cli|scene|model|units"
  "tools:tools|tools/cli|app/logic|analysis|fit|interchange|render/gl|dialog|render|scene|model|units|files|text"
  "python:python|analysis|fit|interchange|render|dialog|scene|model|units|files|text"
  "bench:bench|analysis|fit|interchange|render/gl|dialog|render|scene|model|units|files|text"
  # What the WebAssembly build adds to the C and C++ libraries beneath every layer.
  "cmake/web:cmake/web"
)
# Layers that know no window system and no OpenGL.
set(plain_layers units text model files scene render analysis dialog interchange fit diagram app/logic tools/cli)

set(failures "")
foreach(entry ${layers})
  string(REPLACE ":" ";" parts "${entry}")
  list(GET parts 0 folder)
  list(GET parts 1 allowed)
  string(REPLACE "|" ";" allowed "${allowed}")
  file(GLOB sources ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
  foreach(source ${sources})
    file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
    foreach(line ${includes})
      if(line MATCHES "#[ \t]*include[ \t]*\"([^\"]+)/[^/\"]+\"")
        set(included "${CMAKE_MATCH_1}")
        if(NOT included IN_LIST allowed)
          list(APPEND failures "${source}: '${folder}' may not include from '${included}'")
        endif()
      elseif(folder IN_LIST plain_layers AND line MATCHES "<(Q[A-Za-z]*|GL/|EGL/|windows\\.h|commctrl\\.h)")
        # The file layer calls the Win32 file functions itself, as it calls POSIX.
        if(NOT (folder STREQUAL "files" AND CMAKE_MATCH_1 STREQUAL "windows.h"))
          list(APPEND failures "${source}: the plain layer '${folder}' includes <${CMAKE_MATCH_1}")
        endif()
      endif()
    endforeach()
  endforeach()
endforeach()

# Every folder with sources has a layer.
file(GLOB_RECURSE all_sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.cpp ${SOURCE_DIR}/*.h)
set(known "")
foreach(entry ${layers})
  string(REGEX REPLACE ":.*" "" folder "${entry}")
  list(APPEND known ${folder})
endforeach()
foreach(source ${all_sources})
  get_filename_component(folder ${source} DIRECTORY)
  if(folder MATCHES "^(tests|build|\\.)" OR folder STREQUAL "")
    continue()
  endif()
  if(NOT folder IN_LIST known)
    list(APPEND failures "${source}: folder '${folder}' has no layer in CheckLayers.cmake")
  endif()
endforeach()

if(failures)
  list(REMOVE_DUPLICATES failures)
  string(REPLACE ";" "\n" text "${failures}")
  message(FATAL_ERROR "Layering violations:\n${text}")
endif()
message(STATUS "Every include points down.")
