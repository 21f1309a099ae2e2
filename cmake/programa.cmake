# One call per deliverable: programa(<name> [ARGUMENTS] [libraries...])
# builds <name>.cpp of the calling folder into bin/<name>, linked with the
# console platform layer and with the libraries named after it. ARGUMENTS
# marks a program that takes its data from the command line. The program's
# subsystem is its folder's name and its description the first line of its
# source, as the launcher lists them.
function(programa nom)
  cmake_parse_arguments(PARSE_ARGV 1 opcio "ARGUMENTS" "" "")
  add_executable(${nom} ${nom}.cpp)
  target_link_libraries(${nom} PRIVATE plataforma ${opcio_UNPARSED_ARGUMENTS})
  if(opcio_ARGUMENTS)
    set_property(GLOBAL APPEND PROPERTY PROGRAMES_AMB_ARGUMENTS ${nom})
    set(arguments true)
  else()
    set(arguments false)
  endif()
  # <iostream> is refused: see cmake/refusats/iostream.
  target_include_directories(${nom} BEFORE PRIVATE ${PROJECT_SOURCE_DIR}/cmake/refusats)
  install(TARGETS ${nom} RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/portafoli)
  set_property(GLOBAL APPEND PROPERTY PROGRAMES ${nom})
  get_filename_component(subsistema ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  file(STRINGS ${nom}.cpp primera LIMIT_COUNT 1)
  string(REGEX REPLACE "^// *" "" descripcio "${primera}")
  set_property(GLOBAL APPEND PROPERTY FITXES "${nom}\t${subsistema}\t${arguments}\t${descripcio}")
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${nom}.cpp)
endfunction()
