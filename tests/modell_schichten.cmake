# Fails when a file of the core includes a folder of a higher floor. The floors, from the bottom:
#   0 model          the layout, its records and geometry, the element interface and kind table
#   1 base           questions and messages, automatic alignment
#   2 editor         the command layer, documents, the mouse machine
#   3 render         drawing on an abstract canvas
#   4 the kinds      turnouts, crossings, geometry: each knows only itself and the floors below
#   5 above the kinds: elements (the kind table's entries), import, output, calculators,
#                    optimiser, check
# A folder that is not listed fails too: a new folder takes its floor here first.
set(stockwerk_model 0)
set(stockwerk_base 1)
set(stockwerk_editor 2)
set(stockwerk_render 3)
set(stockwerk_turnouts 4)
set(stockwerk_crossings 4)
set(stockwerk_geometry 4)
set(stockwerk_elements 5)
set(stockwerk_import 5)
set(stockwerk_output 5)
set(stockwerk_calculators 5)
set(stockwerk_optimiser 5)
set(stockwerk_check 5)
set(art_turnouts ON)
set(art_crossings ON)
set(art_geometry ON)

file(GLOB ordner LIST_DIRECTORIES true RELATIVE "${DIR}" "${DIR}/*")
foreach(o ${ordner})
  if(NOT IS_DIRECTORY "${DIR}/${o}")
    continue()
  endif()
  if(NOT DEFINED stockwerk_${o})
    message(FATAL_ERROR "core folder ${o} has no floor in modell_schichten.cmake")
  endif()
  file(GLOB_RECURSE dateien "${DIR}/${o}/*.h" "${DIR}/${o}/*.cpp")
  foreach(d ${dateien})
    file(STRINGS "${d}" zeilen REGEX "^[ \t]*#[ \t]*include[ \t]*\"core/[a-z0-9_]+/")
    foreach(z ${zeilen})
      string(REGEX REPLACE "^.*\"core/([a-z0-9_]+)/.*$" "\\1" ziel "${z}")
      if(NOT DEFINED stockwerk_${ziel})
        message(FATAL_ERROR "${d} includes the unknown core folder ${ziel}")
      endif()
      if(stockwerk_${ziel} GREATER stockwerk_${o})
        message(FATAL_ERROR "${d} (floor ${stockwerk_${o}}) includes a higher floor: ${z}")
      endif()
      # A kind knows no other kind: they meet only through the element interface.
      if(art_${o} AND art_${ziel} AND NOT o STREQUAL ziel)
        message(FATAL_ERROR "${d} of one element kind includes another kind: ${z}")
      endif()
    endforeach()
  endforeach()
endforeach()
