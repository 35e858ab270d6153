# The Windows icon resource group AAA, made at build time from the application icon's artwork:
# the native build's quorvex_svg2png renders each size, cmake/pack_ico.py packs the thirteen
# images, and the cross windres compiles resources/windows/quorvex.rc into the executable.
#
# The renderer is a program of the native (Qt) build, which the cross build cannot make itself:
# pass its path as -DQUORVEX_SVG2PNG=<native build>/tools/svg2png/quorvex_svg2png.
set(QUORVEX_SVG2PNG "" CACHE FILEPATH "The native build's quorvex_svg2png, to render the icon")
find_package(Python3 REQUIRED COMPONENTS Interpreter)

function(quorvex_add_icon_resource target)
  if(NOT QUORVEX_SVG2PNG OR NOT EXISTS "${QUORVEX_SVG2PNG}")
    message(FATAL_ERROR
      "The Windows icon resource needs the SVG renderer of the native build, and "
      "QUORVEX_SVG2PNG ('${QUORVEX_SVG2PNG}') names no such program. Build it natively first "
      "(bash scripts/build.sh, or cmake --build build --target quorvex_svg2png) and pass "
      "-DQUORVEX_SVG2PNG=<native build>/tools/svg2png/quorvex_svg2png.")
  endif()
  set(artwork ${PROJECT_SOURCE_DIR}/resources/artwork/quorvex.svg)
  set(dir ${CMAKE_BINARY_DIR}/icon)
  set(pngs)
  foreach(size 16 24 32 48 128)
    add_custom_command(
      OUTPUT ${dir}/${size}.png
      COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
      COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
              ${QUORVEX_SVG2PNG} ${artwork} ${dir}/${size}.png ${size}
      DEPENDS ${artwork} ${QUORVEX_SVG2PNG}
      COMMENT "Rendering the ${size} pixel icon image"
      VERBATIM)
    list(APPEND pngs ${dir}/${size}.png)
  endforeach()
  set(images)
  foreach(bits 4 8)
    foreach(size 16 24 32 48)
      list(APPEND images ${bits}:${dir}/${size}.png)
    endforeach()
  endforeach()
  foreach(size 16 24 32 48 128)
    list(APPEND images 32:${dir}/${size}.png)
  endforeach()
  add_custom_command(
    OUTPUT ${dir}/quorvex.ico
    COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/cmake/pack_ico.py ${dir}/quorvex.ico
            ${images}
    DEPENDS ${pngs} ${PROJECT_SOURCE_DIR}/cmake/pack_ico.py
    COMMENT "Packing the thirteen images of the icon resource AAA"
    VERBATIM)

  # The rules above belong to this directory: a target of its own carries them to any target.
  if(NOT TARGET quorvex_windows_icon)
    add_custom_target(quorvex_windows_icon DEPENDS ${dir}/quorvex.ico)
  endif()
  add_dependencies(${target} quorvex_windows_icon)

  set(rc ${PROJECT_SOURCE_DIR}/resources/windows/quorvex.rc)
  target_sources(${target} PRIVATE ${rc})
  set_property(SOURCE ${rc} TARGET_DIRECTORY ${target} APPEND PROPERTY INCLUDE_DIRECTORIES ${dir})
  set_property(SOURCE ${rc} TARGET_DIRECTORY ${target} APPEND PROPERTY OBJECT_DEPENDS
               ${dir}/quorvex.ico)
endfunction()
