# SPDX-License-Identifier: MIT
# The user guide both programs ship, as stand-alone HTML pages that
# packaging/user_guide.cmake makes with their pictures in docs/ beside them:
# user-guide.html in English and user-guide.de.html in German. The German page
# keeps the English reference chapters, as the command-line tool speaks English.
set(VELTRISKO_GUIDE_REFERENCES ${PROJECT_SOURCE_DIR}/docs/command-line.md
    ${PROJECT_SOURCE_DIR}/docs/pattern-files.md ${PROJECT_SOURCE_DIR}/docs/batch.md)
set(VELTRISKO_GUIDE_SOURCES ${PROJECT_SOURCE_DIR}/docs/user-guide.md ${VELTRISKO_GUIDE_REFERENCES})
set(VELTRISKO_GUIDE_SOURCES_DE ${PROJECT_SOURCE_DIR}/docs/user-guide.de.md
    ${VELTRISKO_GUIDE_REFERENCES})

# Adds the command that writes both pages into DIRECTORY and sets OUTPUTS to
# their paths. One command writes both, so that their picture copies never
# run at the same time.
function(veltrisko_add_user_guides directory outputs)
  find_program(CMARK_GFM cmark-gfm REQUIRED)
  set(script ${PROJECT_SOURCE_DIR}/packaging/user_guide.cmake)
  # Each page's link to the other leads to the other page.
  set(pages "user-guide.md=user-guide.html|user-guide.de.md=user-guide.de.html")
  string(REPLACE ";" "|" english "${VELTRISKO_GUIDE_SOURCES}")
  string(REPLACE ";" "|" german "${VELTRISKO_GUIDE_SOURCES_DE}")
  add_custom_command(
    OUTPUT ${directory}/user-guide.html ${directory}/user-guide.de.html
    COMMAND ${CMAKE_COMMAND} "-DSOURCES=${english}" -DOUTPUT=${directory}/user-guide.html
            -DCMARK=${CMARK_GFM} "-DTITLE=Veltrisko user guide" -DLANGUAGE=en "-DPAGES=${pages}"
            -P ${script}
    COMMAND ${CMAKE_COMMAND} "-DSOURCES=${german}" -DOUTPUT=${directory}/user-guide.de.html
            -DCMARK=${CMARK_GFM} "-DTITLE=Veltrisko-Benutzeranleitung" -DLANGUAGE=de
            "-DPAGES=${pages}" -P ${script}
    DEPENDS ${VELTRISKO_GUIDE_SOURCES} ${VELTRISKO_GUIDE_SOURCES_DE} ${script}
    VERBATIM)
  set(${outputs} ${directory}/user-guide.html ${directory}/user-guide.de.html PARENT_SCOPE)
endfunction()
