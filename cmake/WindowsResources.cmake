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
