# Regenerates the sounds into SCRATCH and compares them byte for byte with the
# committed copies in RESOURCES. Run with cmake -P.
foreach(variable GENERATOR SCRATCH RESOURCES)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "compare_sounds.cmake needs -D${variable}=...")
  endif()
endforeach()

file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
execute_process(COMMAND ${GENERATOR} ${SCRATCH} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "fenx-make-sounds failed: ${status}")
endif()

set(mismatches "")
foreach(name sndtada sndclick sndslide sndopen)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E compare_files ${SCRATCH}/${name}.wav ${RESOURCES}/${name}.wav
    RESULT_VARIABLE different)
  if(NOT different EQUAL 0)
    list(APPEND mismatches ${name}.wav)
  endif()
endforeach()
if(mismatches)
  message(FATAL_ERROR "regenerated sounds differ from resources/: ${mismatches}")
endif()
