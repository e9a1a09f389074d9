# Scoped globally: the framework includes this file from its own folder while tests and
# benchmarks elsewhere link the library.
# The drawing layer: device contexts and drawing objects over our own raster, text through
# FreeType with fonts found by fontconfig, and PNG export.
find_package(Freetype REQUIRED GLOBAL)
find_package(Fontconfig REQUIRED GLOBAL)
find_package(PNG REQUIRED GLOBAL)
zephra_library(zephra_gdi
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/CBitmap.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CBrush.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CDC.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CFont.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CGdiObject.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CPen.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DeviceContext.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FontFace.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FontLibrary.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GdiObjectData.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ObjectTable.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PngFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Raster.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Utf8.cpp
  LIBS Freetype::Freetype Fontconfig::Fontconfig PNG::PNG)
