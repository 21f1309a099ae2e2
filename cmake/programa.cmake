# One call per deliverable: programa(<name>) builds <name>.cpp of the calling
# folder into bin/<name>, linked with the console platform layer.
function(programa nom)
  add_executable(${nom} ${nom}.cpp)
  target_link_libraries(${nom} PRIVATE plataforma)
  set_property(GLOBAL APPEND PROPERTY PROGRAMES ${nom})
endfunction()
