# Run at build time (cmake -P): writes a C++ source holding the bytes of every picture that
# resources.rc names, so that the Linux build finds them by the same ids.
#   -DRC_FILE=<resources.rc> -DOUTPUT=<file.cpp>

file(STRINGS ${RC_FILE} entries REGEX "^[0-9]+[ \t]+BITMAP[ \t]+\"[^\"]+\"")
get_filename_component(rc_directory ${RC_FILE} DIRECTORY)

set(arrays "")
set(table "")
foreach(entry IN LISTS entries)
  string(REGEX MATCH "^([0-9]+)[ \t]+BITMAP[ \t]+\"([^\"]+)\"" matched "${entry}")
  set(id ${CMAKE_MATCH_1})
  set(path ${rc_directory}/${CMAKE_MATCH_2})
  file(READ ${path} hex HEX)
  file(SIZE ${path} size)
  # Escaped bytes in string literals, 64 bytes a line: quick to compile, unlike a list of numbers.
  string(REPEAT "." 128 line)
  string(REGEX REPLACE "(${line})" "\\1\"\n    \"" lines "${hex}")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "\\\\x\\1" escaped "${lines}")
  string(APPEND arrays "const unsigned char bitmap${id}[] =\n    \"${escaped}\";\n\n")
  string(APPEND table "    {${id}, bitmap${id}, ${size}},\n")
endforeach()

set(source "// Generated from resources.rc by EmbedBitmaps.cmake; do not edit.\n")
string(APPEND source "#include \"EmbeddedBitmapTable.h\"\n\nnamespace qgres {\nnamespace {\n\n${arrays}}  // namespace\n\n")
string(APPEND source "const EmbeddedBitmap kEmbeddedBitmaps[] = {\n${table}};\n")
string(APPEND source "const std::size_t kEmbeddedBitmapCount = sizeof(kEmbeddedBitmaps) / sizeof(kEmbeddedBitmaps[0]);\n\n}  // namespace qgres\n")

# Rewriting an unchanged file would make every build recompile it.
if(EXISTS ${OUTPUT})
  file(READ ${OUTPUT} previous)
  if(previous STREQUAL source)
    return()
  endif()
endif()
file(WRITE ${OUTPUT} "${source}")
