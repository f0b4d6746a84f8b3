# Writes a C++ source holding the user-text table (a STRS list) as one byte array, so the IFC
# import reports in the add-on's language without loading the add-on.
# Run as: cmake -DIN=STRS_140.txt -DOUT=file.cpp -P EmbedTexts.cmake
file(READ "${IN}" hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
set(body "// Generated from resources/STRS_140.txt by import/ifc/EmbedTexts.cmake. Do not edit.\n")
string(APPEND body "extern const unsigned char kIfcTextTable[] = {${bytes}0x00};\n")
if(EXISTS "${OUT}")
  file(READ "${OUT}" old)
  if(old STREQUAL body)
    return()
  endif()
endif()
file(WRITE "${OUT}" "${body}")
