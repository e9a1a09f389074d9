# Installing, after the GNU directories. The real programs live in one private folder
# together with everything they load at run time (the language libraries, later the
# property-page library and its languages), and the bin folder holds relative symbolic
# links to them. The program looks for its modules beside the file /proc/self/exe names,
# which is the link's target, so the installed tree works as the build tree does: under any
# prefix, in any DESTDIR, without LD_LIBRARY_PATH and without a launcher script.
include(GNUInstallDirs)
set(ZEPHRA_INSTALL_PRIVATEDIR ${CMAKE_INSTALL_LIBDIR}/zephra)
set(ZEPHRA_MAN_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/man)
find_program(ZEPHRA_GZIP gzip)

# zephra_install_program(TARGET MANUAL function HEADER header LIBS libraries...)
# Installs a program into the private folder with its link in bin, and its manual page,
# written at build time by `function()` (a cli::Manual, declared in `header` and defined in
# one of `libraries`), the same text its --help prints.
function(zephra_install_program target)
  cmake_parse_arguments(ARG "" "MANUAL;HEADER" "LIBS" ${ARGN})

  # Shared libraries of our own are installed beside the program.
  set_target_properties(${target} PROPERTIES INSTALL_RPATH "$ORIGIN")
  install(TARGETS ${target} RUNTIME DESTINATION ${ZEPHRA_INSTALL_PRIVATEDIR})
  file(RELATIVE_PATH link_target /${CMAKE_INSTALL_BINDIR} /${ZEPHRA_INSTALL_PRIVATEDIR}/${target})
  set(link ${CMAKE_BINARY_DIR}/install-links/${target})
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/install-links)
  file(CREATE_LINK ${link_target} ${link} SYMBOLIC)
  install(FILES ${link} DESTINATION ${CMAKE_INSTALL_BINDIR})

  set(ZEPHRA_MAN_PROGRAM ${target})
  set(ZEPHRA_MAN_HEADER ${ARG_HEADER})
  set(ZEPHRA_MAN_FUNCTION ${ARG_MANUAL})
  set(ZEPHRA_MAN_PRIVATE_DIR ${CMAKE_INSTALL_PREFIX}/${ZEPHRA_INSTALL_PRIVATEDIR})
  set(tool_source ${CMAKE_CURRENT_BINARY_DIR}/${target}_manpage.cpp)
  configure_file(${CMAKE_SOURCE_DIR}/apps/cli/ManPageMain.cpp.in ${tool_source} @ONLY)
  add_executable(${target}_manpage ${tool_source})
  target_link_libraries(${target}_manpage PRIVATE zephra_options zephra_cli ${ARG_LIBS})
  set_target_properties(${target}_manpage PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})

  set(page ${ZEPHRA_MAN_OUTPUT_DIRECTORY}/${target}.1)
  set(commands COMMAND ${CMAKE_COMMAND} -E make_directory ${ZEPHRA_MAN_OUTPUT_DIRECTORY}
    COMMAND ${target}_manpage --out ${page})
  set(installed ${page})
  # Debian keeps manual pages compressed, without a time stamp.
  if(ZEPHRA_GZIP)
    list(APPEND commands COMMAND ${ZEPHRA_GZIP} -9nkf ${page})
    set(installed ${page}.gz)
  endif()
  add_custom_command(OUTPUT ${page} ${installed} ${commands}
    DEPENDS ${target}_manpage
    COMMENT "Writing the manual page ${target}(1)"
    VERBATIM)
  add_custom_target(${target}_manual ALL DEPENDS ${page} ${installed})
  install(FILES ${installed} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()
