# The map page and what it runs on, compiled into the viewer's resources: our page from
# assets/map, Leaflet from Debian's libjs-leaflet and the Natural Earth outlines of the
# world-atlas package (npm). Nothing is fetched: scripts/install-deps puts both in place.
find_path(DIREVOVU_LEAFLET_DIR leaflet.js
  PATHS /usr/share/javascript/leaflet NO_DEFAULT_PATH
  DOC "Folder of Debian's leaflet.js (libjs-leaflet)")
find_path(DIREVOVU_WORLD_ATLAS_DIR countries-50m.json
  PATHS ${PROJECT_SOURCE_DIR}/.deps/node_modules/world-atlas
        /usr/local/lib/node_modules/world-atlas /usr/lib/node_modules/world-atlas
  NO_DEFAULT_PATH
  DOC "Folder of the world-atlas package (scripts/install-deps puts it in .deps/)")
if(NOT DIREVOVU_LEAFLET_DIR)
  message(FATAL_ERROR "Leaflet not found: run scripts/install-deps (Debian package libjs-leaflet)")
endif()
if(NOT DIREVOVU_WORLD_ATLAS_DIR)
  message(FATAL_ERROR "Natural Earth outlines not found: run scripts/install-deps (npm package world-atlas@2)")
endif()

# Writes the resource file that lists every file of the page under its served name.
function(direvovu_map_page_qrc out_file)
  set(page_dir ${PROJECT_SOURCE_DIR}/assets/map)
  set(entries
    "map/map.html=${page_dir}/map.html"
    "map/map.js=${page_dir}/map.js"
    "map/map.css=${page_dir}/map.css"
    "leaflet/leaflet.js=${DIREVOVU_LEAFLET_DIR}/leaflet.js"
    "leaflet/leaflet.css=${DIREVOVU_LEAFLET_DIR}/leaflet.css"
    "outlines/countries.json=${DIREVOVU_WORLD_ATLAS_DIR}/countries-50m.json")
  file(GLOB leaflet_images ${DIREVOVU_LEAFLET_DIR}/images/*.png)
  foreach(image ${leaflet_images})
    get_filename_component(name ${image} NAME)
    list(APPEND entries "leaflet/images/${name}=${image}")
  endforeach()
  set(text "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/direvovu_map\">\n")
  set(depends)
  foreach(entry ${entries})
    string(FIND "${entry}" "=" split)
    string(SUBSTRING "${entry}" 0 ${split} alias)
    math(EXPR from "${split} + 1")
    string(SUBSTRING "${entry}" ${from} -1 file)
    string(APPEND text "  <file alias=\"${alias}\">${file}</file>\n")
    list(APPEND depends ${file})
  endforeach()
  string(APPEND text "</qresource>\n</RCC>\n")
  file(CONFIGURE OUTPUT ${out_file} CONTENT "${text}" @ONLY)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${depends})
endfunction()
