# Fails when a source file includes a header of a higher layer than its own,
# or a header of its own tree without naming the header's folder.
# Layers, lowest first: the portable parts, then the framework's folders, then
# the program's own code. A file belongs to the longest layer folder that holds it. Run as `cmake -DSOURCE_DIR=... -P CheckLayers.cmake`.
set(layers
  "braille" "framework/layout" "framework/packing" "help/rules" "framework/core" "framework/graphics" "framework/window"
  "framework/widgets" "framework/loading" "controls" "help" "app")
# The portable layers must not see Win32 either.
set(portable "braille" "framework/layout" "framework/packing" "help/rules")

function(layer_of path out)
  set(found -1)
  set(longest 0)
  set(index 0)
  foreach(layer IN LISTS layers)
    string(LENGTH "${layer}/" length)
    string(SUBSTRING "${path}" 0 ${length} head)
    if(head STREQUAL "${layer}/" AND length GREATER longest)
      set(found ${index})
      set(longest ${length})
    endif()
    math(EXPR index "${index} + 1")
  endforeach()
  set(${out} ${found} PARENT_SCOPE)
endfunction()

set(faults "")
foreach(layer IN LISTS layers)
  file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}
       ${SOURCE_DIR}/${layer}/*.h ${SOURCE_DIR}/${layer}/*.cpp)
  foreach(source IN LISTS sources)
    # A layer's tests may use anything below the program's own top.
    if(source MATCHES "/(tests|barstests|bench|fuzz)/")
      continue()
    endif()
    layer_of("${source}" own)
    file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]+)[>\"].*" "\\1" header "${line}")
      # A quoted header is named by its folder from the source root, so that
      # the check above sees which layer it belongs to.
      if(line MATCHES "\"" AND NOT header MATCHES "/")
        list(APPEND faults "${source} includes \"${header}\" without its folder")
      endif()
      layer_of("${header}" theirs)
      if(theirs GREATER own)
        list(APPEND faults "${source} includes ${header}, a higher layer")
      endif()
      list(FIND portable "${layer}" is_portable)
      if(is_portable GREATER -1 AND header MATCHES "^(windows|commctrl|winuser|wingdi)\\.h$")
        list(APPEND faults "${source} includes ${header} in portable code")
      endif()
    endforeach()
  endforeach()
endforeach()
if(faults)
  list(JOIN faults "\n  " text)
  message(FATAL_ERROR "Includes that run up the layers:\n  ${text}")
endif()
