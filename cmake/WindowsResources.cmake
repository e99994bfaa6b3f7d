# SPDX-License-Identifier: MIT
# veltrisko_windows_resources(target DESCRIPTION text MANIFEST template):
# the program's manifest and its version information (Explorer's "Details"
# tab), both made from the project's version, as one more resource script.
set(VELTRISKO_PUBLISHER "The Veltrisko developers")
set(VELTRISKO_COPYRIGHT "Copyright (C) 2026 The Veltrisko developers")

function(veltrisko_windows_resources target)
  cmake_parse_arguments(R "" "DESCRIPTION;MANIFEST" "" ${ARGN})
  set(VERSION_MAJOR ${PROJECT_VERSION_MAJOR})
  set(VERSION_MINOR ${PROJECT_VERSION_MINOR})
  set(VERSION_PATCH ${PROJECT_VERSION_PATCH})
  foreach(part MAJOR MINOR PATCH)
    if(NOT VERSION_${part})
      set(VERSION_${part} 0)
    endif()
  endforeach()
  set(VERSION_QUAD ${VERSION_MAJOR}.${VERSION_MINOR}.${VERSION_PATCH}.0)
  set(VERSION_COMMAS ${VERSION_MAJOR},${VERSION_MINOR},${VERSION_PATCH},0)
  set(FILE_NAME ${target}.exe)
  set(DESCRIPTION "${R_DESCRIPTION}")
  set(MANIFEST ${CMAKE_CURRENT_BINARY_DIR}/${target}.manifest)
  configure_file(${R_MANIFEST} ${MANIFEST} @ONLY)
  set(script ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
  configure_file(${PROJECT_SOURCE_DIR}/resources/version.rc.in ${script} @ONLY)
  target_sources(${target} PRIVATE ${script})
endfunction()

# veltrisko_menu_resource(output [FOR script]): writes the viewer's menu 103 and
# accelerator table 103, made from the shared tables by
# resources/menu_resource.cpp, as the resource script `output`, which `script`
# includes by its name. The writer runs on the build machine: the cross build
# compiles it with the machine's own compiler, the tables being headers.
function(veltrisko_menu_resource output)
  cmake_parse_arguments(M "" "FOR" "" ${ARGN})
  set(source ${PROJECT_SOURCE_DIR}/resources/menu_resource.cpp)
  set(headers ${PROJECT_SOURCE_DIR}/app/logic/main_menu.h ${PROJECT_SOURCE_DIR}/text/menu_texts.h
              ${PROJECT_SOURCE_DIR}/text/language.h)
  if(CMAKE_CROSSCOMPILING)
    find_program(VELTRISKO_HOST_CXX NAMES c++ g++ clang++ REQUIRED)
    set(writer ${CMAKE_BINARY_DIR}/host/menu_resource)
    if(NOT TARGET veltrisko_menu_resource_writer)
      add_custom_command(
        OUTPUT ${writer}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/host
        COMMAND ${VELTRISKO_HOST_CXX} -std=c++20 -O1 -I${PROJECT_SOURCE_DIR} ${source} -o ${writer}
        DEPENDS ${source} ${headers}
        COMMENT "Building the menu resource writer for the build machine"
        VERBATIM)
      add_custom_target(veltrisko_menu_resource_writer DEPENDS ${writer})
    endif()
  else()
    if(NOT TARGET veltrisko_menu_resource_writer)
      add_executable(veltrisko_menu_resource_writer ${source})
      target_link_libraries(veltrisko_menu_resource_writer PRIVATE veltrisko_app_logic)
      set_target_properties(veltrisko_menu_resource_writer PROPERTIES
                            RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/host)
      veltrisko_warnings(veltrisko_menu_resource_writer)
    endif()
    set(writer $<TARGET_FILE:veltrisko_menu_resource_writer>)
  endif()
  get_filename_component(folder ${output} DIRECTORY)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND ${writer} ${output}
    DEPENDS veltrisko_menu_resource_writer ${writer}
    COMMENT "Writing the menu and accelerator resource from the shared tables"
    VERBATIM)
  if(M_FOR)
    set_property(SOURCE ${M_FOR} APPEND PROPERTY INCLUDE_DIRECTORIES ${folder})
    set_property(SOURCE ${M_FOR} APPEND PROPERTY OBJECT_DEPENDS ${output})
  endif()
endfunction()
