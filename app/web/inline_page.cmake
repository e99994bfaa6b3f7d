# SPDX-License-Identifier: MIT
# Writes OUTPUT: TEMPLATE with "/*STYLE*/" replaced by STYLE's text,
# "/*MODULE*/" by MODULE's (the compiled viewer) and "/*SCRIPT*/" by SCRIPT's,
# and "<!--GUIDES-->" by the user guides GUIDES ("a.html|b.html", may be
# empty), each in an inert text element named by its file's name.
file(READ ${TEMPLATE} page)
foreach(part STYLE MODULE SCRIPT)
  file(READ ${${part}} text)
  # A "</script" inside the code would end the element early.
  string(REPLACE "</script" "<\\/script" text "${text}")
  string(REPLACE "/*${part}*/" "${text}" page "${page}")
endforeach()

set(guides "")
string(REPLACE "|" ";" GUIDES "${GUIDES}")
foreach(guide IN LISTS GUIDES)
  file(READ ${guide} text)
  # Inside the element these would change how the page is read; the guide
  # has none, as it comes from Markdown without raw HTML.
  if(text MATCHES "<script|</script|<!--")
    message(FATAL_ERROR "${guide} holds markup the page cannot carry as text")
  endif()
  # Without its pictures, which would make the page too big, and without
  # the links to files beside it: the page carries neither.
  string(REGEX REPLACE "<img [^>]*alt=\"([^\"]*)\"[^>]*>" "<em>\\1</em>" text "${text}")
  string(REGEX REPLACE " href=\"(docs/[^\"]*|user-guide[^\"]*)\"" "" text "${text}")
  get_filename_component(name ${guide} NAME)
  string(APPEND guides "<script type=\"text/plain\" data-guide=\"${name}\">${text}</script>\n")
endforeach()
string(REPLACE "<!--GUIDES-->" "${guides}" page "${page}")

file(WRITE ${OUTPUT}.part "${page}")
file(RENAME ${OUTPUT}.part ${OUTPUT})
