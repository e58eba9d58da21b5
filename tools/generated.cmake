# The built-in picture (as C++ source) and the icon, drawn at build time by the generators
# in tools/. A cross build cannot run its own programs, so it runs those of a native build,
# found in KADREX_HOST_TOOLS; any other build makes and runs its own.
set(KADREX_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
set(KADREX_BUILTIN_PICTURE_SOURCE ${KADREX_GENERATED_DIR}/builtin_picture.cpp)
set(KADREX_ICON_FILE ${KADREX_GENERATED_DIR}/kadrex.ico)

if(CMAKE_CROSSCOMPILING)
  set(KADREX_HOST_TOOLS "" CACHE PATH "The generators of a native build (build/native/tools)")
  set(picture_generator ${KADREX_HOST_TOOLS}/kadrex-picture-gen)
  set(icon_generator ${KADREX_HOST_TOOLS}/kadrex-icon-gen)
  if(NOT EXISTS ${picture_generator} OR NOT EXISTS ${icon_generator})
    message(FATAL_ERROR "A cross build runs the generators of a native build: build that first "
                        "and pass its tools folder as -DKADREX_HOST_TOOLS=<build>/tools")
  endif()
else()
  set(picture_generator kadrex-picture-gen)
  set(icon_generator kadrex-icon-gen)
endif()

add_custom_command(
  OUTPUT ${KADREX_BUILTIN_PICTURE_SOURCE} ${KADREX_GENERATED_DIR}/builtin_picture.png
  COMMAND ${CMAKE_COMMAND} -E make_directory ${KADREX_GENERATED_DIR}
  COMMAND ${picture_generator} ${KADREX_GENERATED_DIR}/builtin_picture.png
          ${KADREX_BUILTIN_PICTURE_SOURCE}
  DEPENDS ${picture_generator}
  COMMENT "Drawing the built-in picture"
  VERBATIM)

add_custom_command(
  OUTPUT ${KADREX_ICON_FILE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${KADREX_GENERATED_DIR}
  COMMAND ${icon_generator} ${KADREX_ICON_FILE}
  DEPENDS ${icon_generator}
  COMMENT "Drawing the program's icon"
  VERBATIM)
# Other folders reach the icon through this target: its ICON_FILE property names the file.
add_custom_target(kadrex_icon ALL DEPENDS ${KADREX_ICON_FILE})
set_property(TARGET kadrex_icon PROPERTY ICON_FILE ${KADREX_ICON_FILE})
