# The pictures and layouts go into the program packed (framework/packing): they
# are most of its resources, and packed they take a quarter of the room. The
# layouts are compiled first (framework/layout/LayoutBinary.h), so that the
# program reads them without the text parser.
# Each is written to SIX_PACKED_DIR as its own name with ".packed" added, by a
# tool built with the build machine's compiler. A target whose .rc includes
# res/Sixpointe.rc calls six_use_packed_resources(target).
find_program(SIX_HOST_CXX NAMES g++ c++ REQUIRED NO_CMAKE_FIND_ROOT_PATH)

set(SIX_PACKED_DIR ${CMAKE_BINARY_DIR}/packed)
set(pack_tool ${SIX_PACKED_DIR}/pack)
set(layout_dir ${PROJECT_SOURCE_DIR}/framework/layout)
set(pack_sources ${PROJECT_SOURCE_DIR}/tools/pack/PackFile.cpp
                 ${PROJECT_SOURCE_DIR}/framework/packing/Pack.cpp
                 ${PROJECT_SOURCE_DIR}/framework/packing/Unpack.cpp
                 ${layout_dir}/Cp1252.cpp ${layout_dir}/LayoutLexer.cpp
                 ${layout_dir}/LayoutParser.cpp ${layout_dir}/LayoutTree.cpp
                 ${layout_dir}/LayoutBinaryReader.cpp ${layout_dir}/LayoutBinaryWriter.cpp)
file(GLOB layout_headers CONFIGURE_DEPENDS ${layout_dir}/*.h)
add_custom_command(OUTPUT ${pack_tool}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${SIX_PACKED_DIR}
  COMMAND ${SIX_HOST_CXX} -std=c++20 -O2 -I${PROJECT_SOURCE_DIR} ${pack_sources} -o ${pack_tool}
  DEPENDS ${pack_sources} ${layout_headers} ${PROJECT_SOURCE_DIR}/framework/packing/Packing.h
          ${PROJECT_SOURCE_DIR}/framework/packing/Format.h
  COMMENT "Building the resource packer for the build machine"
  VERBATIM)

file(GLOB six_bitmaps CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/res/*.bmp)
set(six_layouts ${PROJECT_SOURCE_DIR}/app/Main.layout ${PROJECT_SOURCE_DIR}/controls/About.layout)
set(SIX_PACKED_FILES "")
foreach(source IN LISTS six_bitmaps six_layouts)
  get_filename_component(name ${source} NAME)
  set(packed ${SIX_PACKED_DIR}/${name}.packed)
  set(mode --layout)
  if(name MATCHES "\\.bmp$")
    set(mode --dib)
  endif()
  add_custom_command(OUTPUT ${packed}
    COMMAND ${pack_tool} ${mode} ${source} ${packed}
    DEPENDS ${pack_tool} ${source}
    VERBATIM)
  list(APPEND SIX_PACKED_FILES ${packed})
endforeach()
add_custom_target(packed_resources DEPENDS ${SIX_PACKED_FILES})

function(six_use_packed_resources target)
  add_dependencies(${target} packed_resources)
  target_include_directories(${target} PRIVATE ${SIX_PACKED_DIR})
endfunction()

# A fault in a layout's text stops the build with the parser's file:line.
add_test(NAME pack.layout_text_fault
  COMMAND ${pack_tool} --layout ${PROJECT_SOURCE_DIR}/tools/pack/tests/Broken.layout
          ${CMAKE_BINARY_DIR}/pack-test/Broken.layout.packed)
set_tests_properties(pack.layout_text_fault PROPERTIES LABELS windows
  PASS_REGULAR_EXPRESSION "^pack: [^\n]*Broken\\.layout:3: expected a value for 'Width'")
