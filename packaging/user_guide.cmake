# SPDX-License-Identifier: MIT
# Turns the user guide's Markdown files into one stand-alone HTML page, and
# copies the pictures they show into docs/ beside it so that the page works
# wherever it is installed.
#   cmake "-DSOURCES=a.md|b.md" -DOUTPUT=.../user-guide.html -DCMARK=cmark-gfm
#         -DTITLE=... [-DLANGUAGE=en] ["-DPAGES=x.md=x.html|y.md=y.html"]
#         -P user_guide.cmake
# Links between the listed files become links within the page, links to a
# file that PAGES names become links to its page beside this one; any other
# link to a Markdown file stops the build, as it would lead nowhere. Headings
# get the anchors a Markdown host gives them, so "file.md#anchor" still leads
# there.
foreach(var SOURCES OUTPUT CMARK TITLE)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "user_guide.cmake needs -D${var}=...")
  endif()
endforeach()
if(NOT DEFINED LANGUAGE)
  set(LANGUAGE en)
endif()
string(REPLACE "|" ";" SOURCES "${SOURCES}")
string(REPLACE "|" ";" PAGES "${PAGES}")
get_filename_component(output_dir "${OUTPUT}" DIRECTORY)

# The anchor a Markdown host gives a heading's text: lower case, tags and
# punctuation dropped, blanks as hyphens.
function(heading_anchor text result)
  string(REGEX REPLACE "<[^>]*>" "" slug "${text}")
  string(REPLACE "&amp;" "" slug "${slug}")
  string(TOLOWER "${slug}" slug)
  string(REGEX REPLACE "[][!\"#$%&'()*+,./:;<=>?@\\\\^`{|}~]" "" slug "${slug}")
  string(REPLACE " " "-" slug "${slug}")
  set(${result} "${slug}" PARENT_SCOPE)
endfunction()

# Each file's name and the anchor of its title, for links to the whole file.
set(guide "")
set(names "")
set(titles "")
foreach(source IN LISTS SOURCES)
  get_filename_component(name "${source}" NAME)
  file(STRINGS "${source}" title LIMIT_COUNT 1 REGEX "^# ")
  string(REGEX REPLACE "^# " "" title "${title}")
  heading_anchor("${title}" anchor)
  list(APPEND names "${name}")
  list(APPEND titles "${anchor}")
endforeach()
foreach(source IN LISTS SOURCES)
  file(READ "${source}" text)
  get_filename_component(source_dir "${source}" DIRECTORY)
  # Linked pictures and files, matched without the link's bracket: CMake lists
  # do not split inside brackets.
  string(REGEX MATCHALL "\\([^():/#]+\\.(png|msi)\\)" pictures "${text}")
  foreach(link IN LISTS pictures)
    string(REGEX REPLACE "^\\((.*)\\)$" "\\1" picture "${link}")
    file(COPY "${source_dir}/${picture}" DESTINATION "${output_dir}/docs")
    string(REPLACE "](${picture})" "](docs/${picture})" text "${text}")
  endforeach()
  foreach(name anchor IN ZIP_LISTS names titles)
    string(REPLACE "](${name}#" "](#" text "${text}")
    string(REPLACE "](${name})" "](#${anchor})" text "${text}")
  endforeach()
  foreach(page IN LISTS PAGES)
    string(REGEX REPLACE "^([^=]+)=(.*)$" "\\1;\\2" page "${page}")
    list(GET page 0 markdown_name)
    list(GET page 1 html_name)
    string(REPLACE "](${markdown_name})" "](${html_name})" text "${text}")
  endforeach()
  string(REGEX MATCH "\\]\\([^():/#]+\\.md[)#]" dead_link "${text}")
  if(dead_link)
    message(FATAL_ERROR "${source} links to a file outside the user guide: ${dead_link}")
  endif()
  string(APPEND guide "${text}\n")
endforeach()

set(markdown "${OUTPUT}.md")
file(WRITE "${markdown}" "${guide}")
execute_process(
  COMMAND "${CMARK}" --extension table --extension autolink --to html "${markdown}"
  OUTPUT_VARIABLE body
  RESULT_VARIABLE status)
file(REMOVE "${markdown}")
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${CMARK} failed on the user guide (${status})")
endif()

string(REGEX MATCHALL "<h[1-3]>[^\n]*</h[1-3]>" headings "${body}")
foreach(heading IN LISTS headings)
  string(REGEX REPLACE "^<h[1-3]>(.*)</h[1-3]>$" "\\1" inner "${heading}")
  heading_anchor("${inner}" slug)
  string(REPLACE "${heading}" "<a id=\"${slug}\"></a>\n${heading}" body "${body}")
endforeach()

file(WRITE "${OUTPUT}.tmp" "<!DOCTYPE html>
<html lang=\"${LANGUAGE}\">
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
