# SPDX-License-Identifier: MIT
# Compiles the English texts (TS, a Qt Linguist file) into QM, and fails
# unless every text of the shell has a finished translation. The sources
# under SOURCE_ROOT/app and SOURCE_ROOT/dialogs are read again first into a
# copy of TS, so a text that the sources use and TS lacks shows up as
# unfinished; texts TS holds that no source uses any more are dropped.
#
#   cmake -DLUPDATE=... -DLRELEASE=... -DTS=fenx_en.ts -DQM=fenx_en.qm
#         -DSOURCE_ROOT=src -P translation_release.cmake
foreach(variable LUPDATE LRELEASE TS QM SOURCE_ROOT)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "translation_release.cmake needs -D${variable}=...")
  endif()
endforeach()

file(GLOB sources ${SOURCE_ROOT}/app/*.cpp ${SOURCE_ROOT}/app/*.h
  ${SOURCE_ROOT}/dialogs/*.cpp ${SOURCE_ROOT}/dialogs/*.h)
get_filename_component(folder ${QM} DIRECTORY)
get_filename_component(name ${QM} NAME_WE)
set(work ${folder}/${name}.checked.ts)
file(MAKE_DIRECTORY ${folder})
configure_file(${TS} ${work} COPYONLY)

execute_process(
  COMMAND ${LUPDATE} -silent -I ${SOURCE_ROOT} -locations none -no-obsolete ${sources}
          -ts ${work}
  RESULT_VARIABLE status
  OUTPUT_VARIABLE output
  ERROR_VARIABLE output)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lupdate failed on ${TS}:\n${output}")
endif()

execute_process(
  COMMAND ${LRELEASE} ${work} -qm ${QM}
  RESULT_VARIABLE status
  OUTPUT_VARIABLE output
  ERROR_VARIABLE output)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lrelease failed on ${TS}:\n${output}")
endif()

# "Generated N translation(s) (N finished and 0 unfinished)", and no
# "Ignored N untranslated source text(s)".
string(REGEX MATCH "\\(([0-9]+) finished and ([0-9]+) unfinished\\)" counts "${output}")
if(NOT counts OR NOT CMAKE_MATCH_2 EQUAL 0 OR output MATCHES "untranslated")
  file(READ ${work} text)
  string(REGEX MATCHALL "<source>[^<]*</source>[ \t\r\n]*<translation type=\"unfinished\""
    unfinished "${text}")
  set(list "")
  foreach(entry ${unfinished})
    string(REGEX REPLACE "<source>([^<]*)</source>.*" "\\1" source "${entry}")
    string(APPEND list "\n  ${source}")
  endforeach()
  file(REMOVE ${QM})
  message(FATAL_ERROR "${TS} lacks finished English for texts of the shell:${list}\n"
    "lrelease said:\n${output}")
endif()
