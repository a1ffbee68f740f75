# Renders the skin pictures from their SVG sources into the program folder, each also at
# twice its size ("@2x") for screens of high density. Only the PNGs go
# there: the sources and the manifest stay in the repository (CopyRuntime.cmake skips img/).
# Included before the top level enables testing, so enable it here for the renderer's tests.
enable_testing()
add_subdirectory(${PROJECT_SOURCE_DIR}/tools/skinrender ${CMAKE_BINARY_DIR}/tools/skinrender)

set(z4_skin_src ${PROJECT_SOURCE_DIR}/modules/img/skin1)
set(z4_skin_dst ${Z4_RUNTIME_DIR}/modules/img/skin1)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${z4_skin_src}/pictures.txt)
file(STRINGS ${z4_skin_src}/pictures.txt z4_skin_lines REGEX "^[^#]")
set(z4_skin_pngs)
foreach(line ${z4_skin_lines})
    string(REGEX MATCH "^[^ ]+" png "${line}")
    string(REGEX REPLACE "\\.png$" "@2x.png" png2x "${png}")
    list(APPEND z4_skin_pngs ${z4_skin_dst}/${png} ${z4_skin_dst}/${png2x})
endforeach()
file(GLOB_RECURSE z4_skin_svgs CONFIGURE_DEPENDS ${z4_skin_src}/*.svg)

add_custom_command(OUTPUT ${z4_skin_pngs}
    COMMAND skinrender ${z4_skin_src}/pictures.txt ${z4_skin_src} ${z4_skin_dst}
    DEPENDS skinrender ${z4_skin_src}/pictures.txt ${z4_skin_svgs}
    COMMENT "Rendering skin pictures")
add_custom_target(z4_skin ALL DEPENDS ${z4_skin_pngs})
add_dependencies(z4config z4_skin)
if(NOT DEFINED BUILD_TESTING OR BUILD_TESTING)
    add_test(NAME skin_rendered_twice
        COMMAND ${CMAKE_COMMAND} -DMANIFEST=${z4_skin_src}/pictures.txt -DRENDERED=${z4_skin_dst}
                -P ${PROJECT_SOURCE_DIR}/tools/skinrender/checktwice.cmake)
endif()
