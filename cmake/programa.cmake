# One call per deliverable: programa(<name> [libraries...]) builds <name>.cpp
# of the calling folder into bin/<name>, linked with the console platform
# layer and with the libraries named after it.
function(programa nom)
  add_executable(${nom} ${nom}.cpp)
  target_link_libraries(${nom} PRIVATE plataforma ${ARGN})
  set_property(GLOBAL APPEND PROPERTY PROGRAMES ${nom})
endfunction()
