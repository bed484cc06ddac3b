# Regenerates the artwork into a scratch folder and compares it with the
# committed files: the sprite sheet and the scalable icon byte for byte, the
# icons by their decoded pixels (PNG compression may vary with the zlib version).
#   cmake -DGENERATOR=... -DCOMPARE_PNG=... -DSCRATCH=... -DCOMMITTED=... -P this-file
foreach(var GENERATOR COMPARE_PNG SCRATCH COMMITTED)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "${var} is not set")
  endif()
endforeach()

file(REMOVE_RECURSE "${SCRATCH}")
execute_process(COMMAND "${GENERATOR}" "${SCRATCH}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the generator failed: ${status}")
endif()

execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files
                "${SCRATCH}/fenx00.bmp" "${COMMITTED}/fenx00.bmp" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "fenx00.bmp differs from the committed sprite sheet")
endif()

foreach(size 16 32 48 64 128 256)
  set(name "icon/fenx-${size}.png")
  execute_process(COMMAND "${COMPARE_PNG}" "${SCRATCH}/${name}" "${COMMITTED}/${name}"
                  RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${name} differs from the committed icon")
  endif()
endforeach()
execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files
                "${SCRATCH}/icon/fenx.svg" "${COMMITTED}/icon/fenx.svg" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "icon/fenx.svg differs from the committed scalable icon")
endif()
message(STATUS "the artwork regenerates identically")
