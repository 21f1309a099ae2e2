# afegeix_carpetes(<folder> [skipped...]): adds every subfolder of <folder>
# (relative to the calling CMakeLists) except the skipped ones. Each must
# have a CMakeLists.txt: a folder without one stops the configure step, so
# that no program or test is silently left out of the build.
function(afegeix_carpetes arrel)
  file(GLOB entrades LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR}/${arrel}
       ${CMAKE_CURRENT_SOURCE_DIR}/${arrel}/*)
  list(SORT entrades)
  foreach(entrada ${entrades})
    set(cami ${CMAKE_CURRENT_SOURCE_DIR}/${arrel}/${entrada})
    if(NOT IS_DIRECTORY ${cami} OR entrada IN_LIST ARGN)
      continue()
    endif()
    if(NOT EXISTS ${cami}/CMakeLists.txt)
      message(FATAL_ERROR "${arrel}/${entrada}/ has no CMakeLists.txt: add one with a line per program or test")
    endif()
    add_subdirectory(${cami})
  endforeach()
endfunction()
