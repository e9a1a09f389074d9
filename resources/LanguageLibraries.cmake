# zephra_language_libraries(TARGET PREFIX LAYOUT files... [SHARED_TRANSLATIONS prefix])
# Builds the six language libraries PREFIX<XX>.DLL next to the programs from the layout and
# the translations <PREFIX>/<PREFIX><XX>.json; SHARED_TRANSLATIONS names another module's
# translations (lang/Lang<XX>.json) whose texts of the layout's resources are used as well.
# The files built are listed in <TARGET>_FILES, for installing.
function(zephra_language_libraries target prefix)
  cmake_parse_arguments(ARG "" "SHARED_TRANSLATIONS;FOLDER" "LAYOUT" ${ARGN})
  set(libraries)
  foreach(lang EN JP FR DE KO ZH)
    set(library ${CMAKE_BINARY_DIR}/bin/${prefix}${lang}.DLL)
    set(translation ${CMAKE_CURRENT_SOURCE_DIR}/${ARG_FOLDER}/${prefix}${lang}.json)
    set(shared)
    set(shared_file)
    if(ARG_SHARED_TRANSLATIONS)
      set(shared_file ${CMAKE_CURRENT_SOURCE_DIR}/${ARG_SHARED_TRANSLATIONS}${lang}.json)
      set(shared --shared-translation ${shared_file})
    endif()
    # English is the layout's own text; every other language must translate all of it.
    set(complete --complete)
    if(lang STREQUAL "EN")
      set(complete)
    endif()
    add_custom_command(OUTPUT ${library}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/bin
      COMMAND zephra_rc --layout ${ARG_LAYOUT} --translation ${translation} ${shared} ${complete}
              --name ${prefix}${lang}.DLL --out-library ${library}
      DEPENDS zephra_rc ${ARG_LAYOUT} ${translation} ${shared_file}
      COMMENT "Building the language library ${prefix}${lang}.DLL"
      VERBATIM)
    list(APPEND libraries ${library})
  endforeach()
  add_custom_target(${target} ALL DEPENDS ${libraries})
  set(${target}_FILES ${libraries} PARENT_SCOPE)
endfunction()
