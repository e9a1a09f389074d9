# The status texts and the hex conversions of key bytes; included by the driver's CMakeLists.txt.
zephra_library(zephra_status_text SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/StatusText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HexText.cpp
  LIBS zephra_cstring)
