# The resource-module reader and the loader of the language libraries.
find_package(nlohmann_json REQUIRED)
list(APPEND ZEPHRA_FW_RESOURCE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/StyleNames.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ResourceReader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LibraryLoader.cpp)
list(APPEND ZEPHRA_FW_RESOURCE_LIBS nlohmann_json::nlohmann_json zephra_platform)
