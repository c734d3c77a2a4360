# The executable's icon, manifest and version resource. The icon is made from
# the shared coin image at build time: six sizes, 32 bits per pixel, the
# 256 px image PNG-compressed as Windows expects.
set(KRVL_ICON_FILE ${CMAKE_BINARY_DIR}/resources/krvl-scheme.ico)
add_custom_command(OUTPUT ${KRVL_ICON_FILE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/resources
  COMMAND convert ${CMAKE_SOURCE_DIR}/resources/coin.png -depth 8 -background none
          -define icon:auto-resize=256,64,48,32,24,16 ${KRVL_ICON_FILE}
  DEPENDS ${CMAKE_SOURCE_DIR}/resources/coin.png
  VERBATIM)
add_custom_target(krvl_icon DEPENDS ${KRVL_ICON_FILE})
set(KRVL_RESOURCE_DIR ${CMAKE_SOURCE_DIR}/resources)
configure_file(${CMAKE_SOURCE_DIR}/resources/app.rc.in ${CMAKE_BINARY_DIR}/resources/app.rc @ONLY)
set_source_files_properties(${CMAKE_BINARY_DIR}/resources/app.rc PROPERTIES
  OBJECT_DEPENDS "${CMAKE_SOURCE_DIR}/resources/krvl-scheme.manifest;${KRVL_ICON_FILE}")
list(APPEND KRVL_RESOURCE_FILES ${CMAKE_BINARY_DIR}/resources/app.rc)
list(APPEND KRVL_RESOURCE_DEPENDS krvl_icon)
