# Fails when a file of the model includes the editor, the drawing or an element kind's folder:
# the model knows element kinds only through its element interface and the kind table.
file(GLOB dateien "${DIR}/model/*.h" "${DIR}/model/*.cpp")
foreach(d ${dateien})
  file(STRINGS "${d}" zeilen REGEX "^[ \t]*#[ \t]*include[ \t]*\"core/(editor|render|elements|turnouts|crossings|optimiser|calculators|geometry|import|output)/")
  if(zeilen)
    message(FATAL_ERROR "model file ${d} includes a higher layer: ${zeilen}")
  endif()
endforeach()
