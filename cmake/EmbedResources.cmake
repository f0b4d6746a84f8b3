# Writes a C++ source that holds resource files as byte arrays, in one of two forms:
#  - the add-on's resource fork: every file named TYPE_ID.ext (TYPE: four letters, ID: the resource
#    number, for example STRS_130.txt or DLGR_32501.txt) as an entry of kAddOnResourceFork.
#    Run as: cmake -DOUT=file.cpp -DFILES="a;b" -P EmbedResources.cmake
#  - one file as one named array, for a library that reads a resource without loading the add-on
#    (the IFC import's user texts). Run as: cmake -DOUT=file.cpp -DIN=a -DARRAY=name -P EmbedResources.cmake
# The source is rewritten only when its text changes, so an unchanged resource rebuilds nothing.

# The bytes of `file` as "0x..,0x..," in `bytes_var` and their count in `size_var`.
function(tevaro_embed_bytes file bytes_var size_var)
  file(READ "${file}" hex HEX)
  string(LENGTH "${hex}" hexlen)
  math(EXPR size "${hexlen} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  set(${bytes_var} "${bytes}" PARENT_SCOPE)
  set(${size_var} "${size}" PARENT_SCOPE)
endfunction()

# Writes `body` to `path` unless the file already holds exactly that text.
function(tevaro_write_if_changed path body)
  if(EXISTS "${path}")
    file(READ "${path}" old)
    if(old STREQUAL body)
      return()
    endif()
  endif()
  file(WRITE "${path}" "${body}")
endfunction()

if(DEFINED ARRAY)
  get_filename_component(source "${IN}" NAME)
  tevaro_embed_bytes("${IN}" bytes size)
  set(body "// Generated from resources/${source} by cmake/EmbedResources.cmake. Do not edit.\n")
  string(APPEND body "extern const unsigned char ${ARRAY}[] = {${bytes}0x00};\n")
  tevaro_write_if_changed("${OUT}" "${body}")
  return()
endif()

set(body "// Generated from resources/ by cmake/EmbedResources.cmake. Do not edit.\n")
string(APPEND body "#include \"Common_src/Api_related/HostTypes.h\"\n\nnamespace {\n")
set(entries "")
set(n 0)
list(SORT FILES)
foreach(f IN LISTS FILES)
  get_filename_component(name "${f}" NAME_WE)
  if(NOT name MATCHES "^([A-Z][A-Z][A-Z][A-Z])_([0-9]+)$")
    continue()
  endif()
  set(type "${CMAKE_MATCH_1}")
  set(id "${CMAKE_MATCH_2}")
  tevaro_embed_bytes("${f}" bytes size)
  string(APPEND body "const unsigned char res${n}[] = {${bytes}0x00};\n")
  string(APPEND entries "    {FourCC(\"${type}\"), ${id}, res${n}, ${size}u},\n")
  math(EXPR n "${n} + 1")
endforeach()
string(APPEND body "const ResourceEntry kEntries[] = {\n${entries}    {0, 0, nullptr, 0u}};\n}  // namespace\n\n")
string(APPEND body "extern const ResourceFork kAddOnResourceFork = {${n}u, kEntries};\n")
tevaro_write_if_changed("${OUT}" "${body}")
