# SPDX-License-Identifier: MIT
# Turns the README's user guide (from FIRST_HEADING up to END_HEADING) into a
# stand-alone HTML page, and copies the pictures it shows beside it so that the
# page works wherever it is installed.
#   cmake -DREADME=... -DOUTPUT=.../user-guide.html -DCMARK=cmark-gfm
#         -DTITLE=... -DFIRST_HEADING=... -DEND_HEADING=... -P user_guide.cmake
foreach(var README OUTPUT CMARK TITLE FIRST_HEADING END_HEADING)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "user_guide.cmake needs -D${var}=...")
  endif()
endforeach()

file(READ "${README}" readme)
string(FIND "${readme}" "\n${FIRST_HEADING}\n" first)
string(FIND "${readme}" "\n${END_HEADING}\n" end)
if(first EQUAL -1 OR end EQUAL -1 OR end LESS first)
  message(FATAL_ERROR "${README} has no section '${FIRST_HEADING}' followed by '${END_HEADING}'")
endif()
math(EXPR length "${end} - ${first}")
string(SUBSTRING "${readme}" ${first} ${length} guide)

get_filename_component(readme_dir "${README}" DIRECTORY)
get_filename_component(output_dir "${OUTPUT}" DIRECTORY)
# Matched without the closing bracket: CMake lists do not split inside brackets.
string(REGEX MATCHALL "\\(docs/[^)]+\\.png\\)" pictures "${guide}")
foreach(link IN LISTS pictures)
  string(REGEX REPLACE "^\\((.*)\\)$" "\\1" picture "${link}")
  get_filename_component(picture_dir "${output_dir}/${picture}" DIRECTORY)
  file(COPY "${readme_dir}/${picture}" DESTINATION "${picture_dir}")
endforeach()

set(markdown "${OUTPUT}.md")
file(WRITE "${markdown}" "# ${TITLE}\n${guide}")
execute_process(
  COMMAND "${CMARK}" --extension table --extension autolink --to html "${markdown}"
  OUTPUT_VARIABLE body
  RESULT_VARIABLE status)
file(REMOVE "${markdown}")
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${CMARK} failed on the user guide (${status})")
endif()

file(WRITE "${OUTPUT}.tmp" "<!DOCTYPE html>
<html lang=\"en\">
<head>
<meta charset=\"utf-8\">
<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">
<title>${TITLE}</title>
<style>
body { font-family: sans-serif; max-width: 60em; margin: 2em auto; padding: 0 1em; line-height: 1.45; }
table { border-collapse: collapse; }
th, td { border: 1px solid #aaa; padding: 0.2em 0.5em; }
pre { background: #f4f4f4; padding: 0.5em; overflow-x: auto; }
img { max-width: 100%; }
</style>
</head>
<body>
${body}</body>
</html>
")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
