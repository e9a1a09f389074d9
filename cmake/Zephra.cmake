# Project-wide compile settings and the two helpers every layer uses.
find_package(GTest REQUIRED)
include(GoogleTest)

add_library(zephra_options INTERFACE)
target_include_directories(zephra_options INTERFACE ${CMAKE_SOURCE_DIR})
target_compile_options(zephra_options INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
  -Wno-sign-conversion -Wnon-virtual-dtor -Woverloaded-virtual)
if(ZEPHRA_WERROR)
  target_compile_options(zephra_options INTERFACE -Werror)
endif()
if(ZEPHRA_SANITIZE)
  target_compile_options(zephra_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
    -fno-sanitize-recover=undefined)
  target_link_options(zephra_options INTERFACE -fsanitize=address,undefined)
endif()
# libFuzzer's coverage in every library; only the fuzz targets link its driver (fuzz/).
if(ZEPHRA_FUZZ)
  target_compile_options(zephra_options INTERFACE -fsanitize=fuzzer-no-link,address,undefined
    -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(zephra_options INTERFACE -fsanitize=address,undefined)
endif()

find_program(CCACHE_PROGRAM ccache)
if(CCACHE_PROGRAM)
  set(CMAKE_CXX_COMPILER_LAUNCHER ${CCACHE_PROGRAM})
endif()

# The layers that stand for the operating system and the windowing framework exist once per
# process: a program and the device property-page library it loads at run time share one
# message loop, one window table and one machine, as they would share the system's DLLs.
set(ZEPHRA_PROCESS_LIBRARIES zephra_cstring zephra_fw_resources zephra_gdi zephra_framework
    zephra_platform zephra_machine zephra_adapter)

# zephra_library(NAME SOURCES ... [LIBS ...] [SHARED])
function(zephra_library name)
  cmake_parse_arguments(ARG "SHARED" "" "SOURCES;LIBS" ${ARGN})
  if(ARG_SHARED OR name IN_LIST ZEPHRA_PROCESS_LIBRARIES)
    add_library(${name} SHARED ${ARG_SOURCES})
    # Beside the programs, where their $ORIGIN run path finds them.
    set_target_properties(${name} PROPERTIES INSTALL_RPATH "$ORIGIN")
    install(TARGETS ${name} LIBRARY DESTINATION ${ZEPHRA_INSTALL_PRIVATEDIR})
  else()
    add_library(${name} STATIC ${ARG_SOURCES})
  endif()
  set_target_properties(${name} PROPERTIES POSITION_INDEPENDENT_CODE ON)
  target_link_libraries(${name} PUBLIC zephra_options ${ARG_LIBS})
endfunction()

# zephra_test(NAME SOURCES ... LIBS ...): one GoogleTest executable, its cases registered with CTest.
function(zephra_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE zephra_options ${ARG_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
