# Plain C++ libraries: the calculation, the form, the staff list's rules and the staff
# book. The browser edition compiles them too, so none of them may reach Qt, neither
# directly nor through a library it links.

# soatnoma_plain_library(name source...) adds a static library of plain C++ whose headers
# are included as "<folder>/<file>.h", and records it for the check below.
function(soatnoma_plain_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/..)
  target_link_libraries(${name} PRIVATE soatnoma_warnings)
  set_target_properties(${name} PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
  set_property(GLOBAL APPEND PROPERTY SOATNOMA_PLAIN_LIBRARIES ${name})
endfunction()

# Every library a target links, directly or through the libraries it links.
function(_soatnoma_collect_links target out_var)
  set(seen ${${out_var}})
  foreach(property LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
    get_target_property(links ${target} ${property})
    if(NOT links)
      continue()
    endif()
    foreach(link ${links})
      string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" link "${link}")
      if(link IN_LIST seen)
        continue()
      endif()
      list(APPEND seen ${link})
      if(TARGET ${link})
        _soatnoma_collect_links(${link} seen)
      endif()
    endforeach()
  endforeach()
  set(${out_var} ${seen} PARENT_SCOPE)
endfunction()

# Stops the configuration when a plain library reaches Qt through any of its links.
function(soatnoma_check_plain_libraries)
  get_property(plain GLOBAL PROPERTY SOATNOMA_PLAIN_LIBRARIES)
  foreach(library ${plain})
    set(links "")
    _soatnoma_collect_links(${library} links)
    foreach(link ${links})
      if(link MATCHES "^Qt[0-9]*::|Qt[0-9]*(Core|Gui|Widgets)")
        message(FATAL_ERROR "${library} is plain C++ but reaches Qt through ${link}")
      endif()
    endforeach()
  endforeach()
endfunction()
