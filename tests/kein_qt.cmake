# Fails when a file of the core includes a Qt header.
file(GLOB_RECURSE dateien "${DIR}/*.h" "${DIR}/*.cpp")
foreach(d ${dateien})
  file(STRINGS "${d}" zeilen REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q|qt|QtCore|QtGui|QtWidgets)")
  if(zeilen)
    message(FATAL_ERROR "Qt header in core file ${d}: ${zeilen}")
  endif()
endforeach()
