# The device property-page library's resources: compiled into the library, and merged with
# each language's texts into its six "PLang" libraries beside it. Its Connection Status
# template is the program's, translated by the program's language files.
set(ZEPHRA_PROP_RESOURCE_LAYOUT
  ${CMAKE_CURRENT_SOURCE_DIR}/program/ConnectionStatus.json
  ${CMAKE_CURRENT_SOURCE_DIR}/propprovider/Statistics.json
  ${CMAKE_CURRENT_SOURCE_DIR}/propprovider/Version.json)

set(generated ${CMAKE_CURRENT_BINARY_DIR}/PropResources.cpp)
add_custom_command(OUTPUT ${generated}
  COMMAND zephra_rc --layout ${ZEPHRA_PROP_RESOURCE_LAYOUT}
          --out-cpp ${generated} --header resources/PropResources.h --function PropResources
  DEPENDS zephra_rc ${ZEPHRA_PROP_RESOURCE_LAYOUT}
  COMMENT "Compiling the property-page library's resources"
  VERBATIM)
zephra_library(zephra_prop_resources SOURCES ${generated} PropResources.h PropResourceIds.h LIBS zephra_fw_resources)

zephra_language_libraries(zephra_prop_language_libraries PLang FOLDER plang LAYOUT ${ZEPHRA_PROP_RESOURCE_LAYOUT}
  SHARED_TRANSLATIONS lang/Lang)
