# subsistema(<order> <title>): first line of each programs/<subsystem>/
# CMakeLists.txt, giving the folder's place among the launcher's screens
# and the title they show.
function(subsistema ordre titol)
  if(NOT ordre MATCHES "^[0-9]+$")
    message(FATAL_ERROR "subsistema(): the order must be a whole number, not '${ordre}'")
  endif()
  set_property(DIRECTORY PROPERTY ORDRE_SUBSISTEMA ${ordre})
  set_property(DIRECTORY PROPERTY TITOL_SUBSISTEMA "${titol}")
endfunction()

# opcions_programa(<target>): how every program is compiled, also a course
# exercise built by the tests.
# - <iostream> is refused: see cmake/refusats/iostream.
# - plataforma.h comes first, so that system("cls") is the console's
#   interpreter even in a source that does not include it. Like the
#   readers' and the libraries' headers, it includes no <string> or other
#   heavy header, so a program compiles in a fifth of a second and needs no
#   precompiled header (loading one took longer than that).
# - Texts are the console's code page 850, as its programs wrote them: a
#   literal "Març" is the bytes the console shows as Març. The programs'
#   own \x escapes are bytes already and do not change.
function(opcions_programa nom)
  target_include_directories(${nom} BEFORE PRIVATE ${PROJECT_SOURCE_DIR}/cmake/refusats)
  target_compile_definitions(${nom} PRIVATE PLATAFORMA_PROGRAMA)
  target_compile_options(${nom} PRIVATE -fexec-charset=CP850 -include ${PROJECT_SOURCE_DIR}/plataforma/include/plataforma.h)
endfunction()

# One call per deliverable: programa(<name> [ARGUMENTS] [libraries...])
# builds <name>.cpp of the calling folder into bin/<name>, linked with the
# console platform layer, the reply readers and the portfolio's libraries,
# and with the libraries named after it. The layer's private folder is not
# in its reach. ARGUMENTS
# marks a program that takes its data from the command line. The program's
# subsystem is its folder's name and its description the first line of its
# source, as the launcher lists them.
function(programa nom)
  cmake_parse_arguments(PARSE_ARGV 1 opcio "ARGUMENTS" "" "")
  add_executable(${nom} ${nom}.cpp)
  target_link_libraries(${nom} PRIVATE plataforma lectura biblioteques ${opcio_UNPARSED_ARGUMENTS})
  if(opcio_ARGUMENTS)
    set_property(GLOBAL APPEND PROPERTY PROGRAMES_AMB_ARGUMENTS ${nom})
    set(arguments true)
  else()
    set(arguments false)
  endif()
  opcions_programa(${nom})
  install(TARGETS ${nom} RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/portafoli)
  set_property(GLOBAL APPEND PROPERTY PROGRAMES ${nom})
  get_filename_component(subsistema ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  get_property(ordre DIRECTORY PROPERTY ORDRE_SUBSISTEMA)
  get_property(titol DIRECTORY PROPERTY TITOL_SUBSISTEMA)
  if(ordre STREQUAL "")
    message(FATAL_ERROR "programs/${subsistema}/CMakeLists.txt: call subsistema(<order> <title>) before programa()")
  endif()
  file(STRINGS ${nom}.cpp primera LIMIT_COUNT 1)
  string(REGEX REPLACE "^// *" "" descripcio "${primera}")
  # A semicolon would split the entry in CMake's lists: it travels as \x01.
  string(ASCII 1 u)
  string(REPLACE "\\;" "${u}" descripcio "${descripcio}")  # file(STRINGS) gives it escaped
  string(REPLACE ";" "${u}" descripcio "${descripcio}")
  # Sorted by the subsystem's order, then by the order of the calls.
  get_property(fitxes GLOBAL PROPERTY FITXES)
  list(LENGTH fitxes posicio)
  math(EXPR clau "${ordre} * 1000 + ${posicio}" OUTPUT_FORMAT DECIMAL)
  string(LENGTH "${clau}" llargada)
  math(EXPR falten "12 - ${llargada}")
  string(REPEAT "0" ${falten} zeros)
  set_property(GLOBAL APPEND PROPERTY FITXES "${zeros}${clau}\t${nom}\t${subsistema}\t${titol}\t${arguments}\t${descripcio}")
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${nom}.cpp)
endfunction()
