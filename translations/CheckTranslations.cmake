# Fails when a language file is not what lupdate makes of the sources (a text
# missing, or one no longer used) or holds an unfinished translation.
# -DLUPDATE=tool -DTS=file.ts -DSOURCES=list-file -DOPTIONS=lupdate-options -DWORK=dir
get_filename_component(name ${TS} NAME)
set(copy ${WORK}/check_${name})
configure_file(${TS} ${copy} COPYONLY)
execute_process(COMMAND ${LUPDATE} ${OPTIONS} @${SOURCES} -ts ${copy} RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "lupdate failed on ${name}")
endif()
file(READ ${TS} committed)
file(READ ${copy} generated)
if(NOT committed STREQUAL generated)
  message(FATAL_ERROR "${name} is not up to date with the sources: run "
                      "'cmake --build build --target update_translations' and translate what it adds")
endif()
string(REGEX MATCHALL "<source>[^<]*</source>\n[ ]*<translation type=\"unfinished\"" unfinished "${generated}")
list(LENGTH unfinished count)
if(count GREATER 0)
  string(REPLACE ";" "\n" unfinished "${unfinished}")
  message(FATAL_ERROR "${count} unfinished translation(s) in ${name}:\n${unfinished}")
endif()
