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

set(ZEPHRA_PROP_LANGUAGE_LIBRARIES)
foreach(lang EN JP FR DE KO ZH)
  set(library ${CMAKE_BINARY_DIR}/bin/PLang${lang}.DLL)
  set(translation ${CMAKE_CURRENT_SOURCE_DIR}/plang/PLang${lang}.json)
  set(shared ${CMAKE_CURRENT_SOURCE_DIR}/lang/Lang${lang}.json)
  set(complete --complete)
  if(lang STREQUAL "EN")
    set(complete)
  endif()
  add_custom_command(OUTPUT ${library}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/bin
    COMMAND zephra_rc --layout ${ZEPHRA_PROP_RESOURCE_LAYOUT} --translation ${translation}
            --shared-translation ${shared} ${complete} --name PLang${lang}.DLL --out-library ${library}
    DEPENDS zephra_rc ${ZEPHRA_PROP_RESOURCE_LAYOUT} ${translation} ${shared}
    COMMENT "Building the language library PLang${lang}.DLL"
    VERBATIM)
  list(APPEND ZEPHRA_PROP_LANGUAGE_LIBRARIES ${library})
endforeach()
add_custom_target(zephra_prop_language_libraries ALL DEPENDS ${ZEPHRA_PROP_LANGUAGE_LIBRARIES})
