# The window layouts, style book and logo, embedded as RCDATA. The logo is
# made from the shared coin image at build time.
set(KRVL_RESOURCE_DIR ${CMAKE_SOURCE_DIR}/resources)
# A double-size variant keeps it sharp above 100 %.
set(KRVL_LOGO_PNG ${CMAKE_BINARY_DIR}/resources/imgIcon.png)
set(KRVL_LOGO_2X_PNG ${CMAKE_BINARY_DIR}/resources/imgIcon_2x.png)
add_custom_command(OUTPUT ${KRVL_LOGO_PNG} ${KRVL_LOGO_2X_PNG}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/resources
  COMMAND convert ${KRVL_RESOURCE_DIR}/coin.png -resize x37 -background none -gravity center -extent 64x37
          PNG32:${KRVL_LOGO_PNG}
  COMMAND convert ${KRVL_RESOURCE_DIR}/coin.png -resize x74 -background none -gravity center -extent 128x74
          PNG32:${KRVL_LOGO_2X_PNG}
  DEPENDS ${KRVL_RESOURCE_DIR}/coin.png
  VERBATIM)
add_custom_target(krvl_logo DEPENDS ${KRVL_LOGO_PNG} ${KRVL_LOGO_2X_PNG})
configure_file(${KRVL_RESOURCE_DIR}/ui.rc.in ${CMAKE_BINARY_DIR}/resources/ui.rc @ONLY)
set_source_files_properties(${CMAKE_BINARY_DIR}/resources/ui.rc PROPERTIES
  OBJECT_DEPENDS "${KRVL_RESOURCE_DIR}/frmMain.json;${KRVL_RESOURCE_DIR}/styleJet.json;${KRVL_LOGO_PNG};${KRVL_LOGO_2X_PNG}")
list(APPEND KRVL_RESOURCE_FILES ${CMAKE_BINARY_DIR}/resources/ui.rc)
list(APPEND KRVL_RESOURCE_DEPENDS krvl_logo)
