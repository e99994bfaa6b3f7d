# SPDX-License-Identifier: MIT
# veltrisko_library_headers(target prefix): `target` exports its own headers
# and nothing else of the source tree. They are reached as <prefix>/<name>.h
# through a folder of links in the build tree, so a target can include only
# the headers of the libraries it links.
function(veltrisko_library_headers target prefix)
  set(root ${CMAKE_BINARY_DIR}/include/${target})
  file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  file(REMOVE_RECURSE ${root})
  file(MAKE_DIRECTORY ${root}/${prefix})
  foreach(header ${headers})
    get_filename_component(name ${header} NAME)
    file(CREATE_LINK ${header} ${root}/${prefix}/${name} SYMBOLIC)
  endforeach()
  get_target_property(kind ${target} TYPE)
  if(kind STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${root})
  else()
    target_include_directories(${target} PUBLIC ${root})
  endif()
endfunction()

# veltrisko_layer(folder [DEPENDS layer...] [PLAIN] [SYSTEM_HEADERS header...]):
# the folder's place in the house, declared once in its CMakeLists.txt. Its
# files may include from, and its targets link, the folder itself and the
# layers it depends on, directly or through theirs. A PLAIN layer includes no
# window system and no OpenGL header but its SYSTEM_HEADERS. The layer check
# (cmake/CheckLayers.cmake, test layers_point_down) reads these declarations
# from the source tree, so that they hold in every build, the Windows one too.
function(veltrisko_layer folder)
  cmake_parse_arguments(L "PLAIN" "" "DEPENDS;SYSTEM_HEADERS" ${ARGN})
  file(RELATIVE_PATH here ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  if(NOT here STREQUAL folder OR L_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "veltrisko_layer(${folder} ${ARGN}) in ${here}: the folder names itself, "
                        "then DEPENDS, PLAIN and SYSTEM_HEADERS")
  endif()
endfunction()
