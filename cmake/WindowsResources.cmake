# The resources of the Windows program, made at build time and compiled by the cross windres from
# the one script resources/windows/quorvex.rc: the icon group AAA (13 images), the 32 x 32 link
# cursor, every artwork picture at 1x and 2x (QOI packed with zlib), the version from the CMake
# project and the manifest. Call quorvex_add_windows_resources(<target>) on the program and on
# any test executable that loads them.
#
# The SVG renderer is a program of the native (Qt) build, which the cross build cannot make
# itself: pass its path as -DQUORVEX_SVG2PNG=<native build>/tools/svg2png/quorvex_svg2png.
set(QUORVEX_SVG2PNG "" CACHE FILEPATH "The native build's quorvex_svg2png, to render the artwork")
find_package(Python3 REQUIRED COMPONENTS Interpreter)
include(Artwork)

# The rules that make every generated resource file, once, in the top directory's build tree.
function(quorvex_make_windows_resource_files dir out_files)
  quorvex_svg_renderer(renderer renderer_depends)
  set(packer ${PROJECT_SOURCE_DIR}/cmake/pack_windows_images.py)
  set(files)

  # The icon: each size rendered once, packed at 4, 8 and 32 bits.
  set(artwork ${PROJECT_SOURCE_DIR}/resources/artwork/quorvex.svg)
  set(pngs)
  foreach(size 16 24 32 48 128)
    add_custom_command(
      OUTPUT ${dir}/icon/${size}.png
      COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}/icon
      COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
              ${renderer} ${artwork} ${dir}/icon/${size}.png ${size}
      DEPENDS ${artwork} ${renderer_depends}
      COMMENT "Rendering the ${size} pixel icon image"
      VERBATIM)
    list(APPEND pngs ${dir}/icon/${size}.png)
  endforeach()
  set(images)
  foreach(bits 4 8)
    foreach(size 16 24 32 48)
      list(APPEND images ${bits}:${dir}/icon/${size}.png)
    endforeach()
  endforeach()
  foreach(size 16 24 32 48)
    list(APPEND images 32:${dir}/icon/${size}.png)
  endforeach()
  # The large image only for the shell's big views: PNG-compressed, 6 KB instead of 66 KB.
  list(APPEND images png:${dir}/icon/128.png)
  add_custom_command(
    OUTPUT ${dir}/quorvex.ico
    COMMAND ${Python3_EXECUTABLE} ${packer} ${dir}/quorvex.ico ${images}
    DEPENDS ${pngs} ${packer}
    COMMENT "Packing the thirteen images of the icon resource AAA"
    VERBATIM)
  list(APPEND files ${dir}/quorvex.ico)

  # The link cursor: 32 x 32 at 32 bits, hot spot at column 13, row 5.
  set(cursor_svg ${PROJECT_SOURCE_DIR}/resources/artwork/link_cursor.svg)
  add_custom_command(
    OUTPUT ${dir}/link.cur
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}/icon
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            ${renderer} ${cursor_svg} ${dir}/icon/link_cursor.png 32
    COMMAND ${Python3_EXECUTABLE} ${packer} ${dir}/link.cur --hotspot 13,5
            32:${dir}/icon/link_cursor.png
    DEPENDS ${cursor_svg} ${renderer_depends} ${packer}
    COMMENT "Making the link cursor"
    VERBATIM)
  list(APPEND files ${dir}/link.cur)

  quorvex_render_artwork(${dir} qoiz pictures)
  list(APPEND files ${pictures})
  set(${out_files} ${files} PARENT_SCOPE)
endfunction()

function(quorvex_add_windows_resources target)
  set(dir ${CMAKE_BINARY_DIR}/windows-resources)
  # The rules above belong to the directory that first asks: a target there carries them to
  # every target that uses them.
  if(NOT TARGET quorvex_windows_resources)
    quorvex_make_windows_resource_files(${dir} files)
    configure_file(${PROJECT_SOURCE_DIR}/resources/windows/quorvex_version.h.in
                   ${dir}/quorvex_version.h @ONLY)
    configure_file(${PROJECT_SOURCE_DIR}/resources/windows/quorvex.manifest.in
                   ${dir}/quorvex.manifest @ONLY)
    add_custom_target(quorvex_windows_resources DEPENDS ${files})
    set_property(GLOBAL PROPERTY QUORVEX_WINDOWS_RESOURCE_FILES
                 ${files} ${dir}/quorvex_version.h ${dir}/quorvex.manifest)
  endif()
  add_dependencies(${target} quorvex_windows_resources)
  get_property(files GLOBAL PROPERTY QUORVEX_WINDOWS_RESOURCE_FILES)

  set(rc ${PROJECT_SOURCE_DIR}/resources/windows/quorvex.rc)
  target_sources(${target} PRIVATE ${rc})
  set_property(SOURCE ${rc} TARGET_DIRECTORY ${target} APPEND PROPERTY INCLUDE_DIRECTORIES
               ${dir} ${PROJECT_SOURCE_DIR}/resources/windows)
  set_property(SOURCE ${rc} TARGET_DIRECTORY ${target} APPEND PROPERTY OBJECT_DEPENDS ${files}
               ${PROJECT_SOURCE_DIR}/resources/windows/resource_ids.h)
  # The C++ side reads the identifiers (and the version) from the same headers.
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/resources/windows ${dir})
endfunction()
