# Purpose: checks that `cmake --install` gives a working program: installs the build stripped into
# PREFIX, then runs the installed program's --version and its demo from PREFIX, outside the source
# and build trees, so the sample house and the add-on are found in the installed add-on folder
# and the roof model is read through the add-on's diagnostic export, not its symbol table.
# Run as: cmake -DBUILD=build-folder -DPREFIX=scratch-folder -P InstallCheck.cmake
if(NOT BUILD OR NOT PREFIX)
  message(FATAL_ERROR "InstallCheck.cmake needs -DBUILD=... and -DPREFIX=...")
endif()

# Runs a command; stops the check with its output when it fails.
function(run_or_fail what)
  execute_process(COMMAND ${ARGN} WORKING_DIRECTORY ${PREFIX} RESULT_VARIABLE rc OUTPUT_VARIABLE out
                  ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${what} failed (${rc}):\n${out}\n${err}")
  endif()
  set(run_output "${out}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${PREFIX})
file(MAKE_DIRECTORY ${PREFIX})
run_or_fail("cmake --install" ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX} --strip)

run_or_fail("tevaro --version" ${PREFIX}/bin/tevaro --version)
if(NOT run_output MATCHES "^tevaro [0-9]")
  message(FATAL_ERROR "tevaro --version printed: ${run_output}")
endif()

run_or_fail("the installed demo" ${PREFIX}/bin/tevaro demo --out ${PREFIX}/out)
foreach(file model.json plan.svg quantities.csv)
  if(NOT EXISTS ${PREFIX}/out/${file})
    message(FATAL_ERROR "the installed demo wrote no ${file}")
  endif()
endforeach()
# The summary counts the roof planes the add-on held: read through the diagnostic export.
if(NOT run_output MATCHES "Read: 3 roofs, 9 roof planes")
  message(FATAL_ERROR "the installed demo did not read the add-on's roof model:\n${run_output}")
endif()
file(REMOVE_RECURSE ${PREFIX})
message(STATUS "install check: the installed, stripped program ran the demo")
