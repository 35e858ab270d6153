# The artwork as bitmaps, rendered once at build time from resources/artwork/*.svg, so that no
# front end parses SVG while it starts: <name>.<ext> at the drawing's own size and
# <name>@2x.<ext> at twice it, for displays at 200 %. The Qt program loads PNGs from its resource
# file, the Windows program QOI pictures (src/artwork/qoi_codec.h), packed with zlib
# (src/artwork/zlib_inflate.h), from its resources.

# Every picture of the two windows and the link cursor (the application icon has its own sizes).
set(QUORVEX_ARTWORK_NAMES
  splash background home link_cursor
  icon_internet icon_internet_hover icon_advanced icon_advanced_hover icon_lan icon_lan_hover
  icon_firefox icon_firefox_hover icon_explorer icon_explorer_hover
  icon_automatic icon_automatic_hover
  header_internet header_advanced header_lan header_firefox header_explorer
  button_apply button_apply_hover button_monitor button_monitor_hover
  button_back button_back_hover)

# The build's SVG renderer: the target quorvex_svg2png where this build makes it, else the
# native build's program named in QUORVEX_SVG2PNG (a cross build cannot run its own).
function(quorvex_svg_renderer out_command out_depends)
  if(TARGET quorvex_svg2png)
    set(${out_command} $<TARGET_FILE:quorvex_svg2png> PARENT_SCOPE)
    set(${out_depends} quorvex_svg2png PARENT_SCOPE)
    return()
  endif()
  if(NOT QUORVEX_SVG2PNG OR NOT EXISTS "${QUORVEX_SVG2PNG}")
    message(FATAL_ERROR
      "The Windows artwork and icon need the SVG renderer of the native build, and "
      "QUORVEX_SVG2PNG ('${QUORVEX_SVG2PNG}') names no such program. Build it natively first "
      "(bash scripts/build.sh, or cmake --build build --target quorvex_svg2png) and pass "
      "-DQUORVEX_SVG2PNG=<native build>/tools/svg2png/quorvex_svg2png.")
  endif()
  set(${out_command} ${QUORVEX_SVG2PNG} PARENT_SCOPE)
  set(${out_depends} ${QUORVEX_SVG2PNG} PARENT_SCOPE)
endfunction()

# Adds the rules that render every artwork picture at 1x and 2x into <dir> as <format> (png, qoi
# or qoiz: QOI packed with zlib); <out_files> receives the files. Rules belong to the calling directory: depend on the
# files from a target there.
function(quorvex_render_artwork dir format out_files)
  quorvex_svg_renderer(renderer renderer_depends)
  set(pngs)
  foreach(name IN LISTS QUORVEX_ARTWORK_NAMES)
    set(svg ${PROJECT_SOURCE_DIR}/resources/artwork/${name}.svg)
    foreach(scale 1 2)
      if(scale EQUAL 1)
        set(png ${dir}/${name}.${format})
      else()
        set(png ${dir}/${name}@${scale}x.${format})
      endif()
      add_custom_command(
        OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
        COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
                ${renderer} ${svg} ${png} ${scale}x
        DEPENDS ${svg} ${renderer_depends}
        COMMENT "Rendering ${name} at ${scale}x"
        VERBATIM)
      list(APPEND pngs ${png})
    endforeach()
  endforeach()
  set(${out_files} ${pngs} PARENT_SCOPE)
endfunction()
