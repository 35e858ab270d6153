# Kept for callers of the former icon-only function: the icon now comes with every other
# Windows resource (cmake/WindowsResources.cmake).
include(WindowsResources)

function(quorvex_add_icon_resource target)
  quorvex_add_windows_resources(${target})
endfunction()
