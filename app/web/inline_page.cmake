# SPDX-License-Identifier: MIT
# Writes OUTPUT: TEMPLATE with "/*STYLE*/" replaced by STYLE's text,
# "/*MODULE*/" by MODULE's (the compiled viewer) and "/*SCRIPT*/" by SCRIPT's.
file(READ ${TEMPLATE} page)
foreach(part STYLE MODULE SCRIPT)
  file(READ ${${part}} text)
  # A "</script" inside the code would end the element early.
  string(REPLACE "</script" "<\\/script" text "${text}")
  string(REPLACE "/*${part}*/" "${text}" page "${page}")
endforeach()
file(WRITE ${OUTPUT}.part "${page}")
file(RENAME ${OUTPUT}.part ${OUTPUT})
