# The .ts files are up to date with the sources: lupdate run over src/ into a copy of each changes
# nothing, so no text of the code is missing from a translation file and none is left over.
# A translation into another language than French leaves no entry unfinished.
#   cmake -DUMBRIX_SOURCE_DIR=<source folder> -DLUPDATE=<lupdate> -DWORK_DIR=<scratch folder>
#         -P cmake/CheckTranslations.cmake
# -DCHECK_FINISHED_ONLY=ON -DUMBRIX_TS_DIR=<folder> checks only that the .ts files of <folder> are
# finished.

cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/Translations.cmake)

file(GLOB_RECURSE sources "${UMBRIX_SOURCE_DIR}/src/*.h" "${UMBRIX_SOURCE_DIR}/src/*.cpp")
if(NOT UMBRIX_TS_DIR)
  set(UMBRIX_TS_DIR "${UMBRIX_SOURCE_DIR}/translations")
endif()
file(GLOB ts_files "${UMBRIX_TS_DIR}/umbrix_*.ts")
if(NOT ts_files)
  message(FATAL_ERROR "no translations/umbrix_*.ts")
endif()
file(MAKE_DIRECTORY "${WORK_DIR}")
# lupdate reads its file list from a file, as the build's own update target does
list(JOIN sources "\n" source_list)
file(WRITE "${WORK_DIR}/sources.lst" "${source_list}\n")

set(stale "")
set(unfinished "")
foreach(ts IN LISTS ts_files)
  # a translation into another language than the source's leaves no text in French
  file(READ "${ts}" content)
  string(REGEX MATCH "language=\"([^\"]*)\"" language_attribute "${content}")
  if(NOT CMAKE_MATCH_1 STREQUAL "fr_FR")
    string(REGEX MATCHALL "type=\"unfinished\"|<translation></translation>" left "${content}")
    list(LENGTH left count)
    if(count GREATER 0)
      get_filename_component(name "${ts}" NAME)
      list(APPEND unfinished "${name} (${count})")
    endif()
  endif()
  if(CHECK_FINISHED_ONLY)
    continue()
  endif()
  get_filename_component(name "${ts}" NAME)
  configure_file("${ts}" "${WORK_DIR}/${name}" COPYONLY)
  execute_process(
    COMMAND "${LUPDATE}" ${UMBRIX_LUPDATE_OPTIONS} -I "${UMBRIX_SOURCE_DIR}/src"
            "@${WORK_DIR}/sources.lst" -ts "${WORK_DIR}/${name}"
    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "lupdate failed on ${name}: ${out}${err}")
  endif()
  file(READ "${ts}" before)
  file(READ "${WORK_DIR}/${name}" after)
  if(NOT before STREQUAL after)
    list(APPEND stale "${name}")
  endif()
endforeach()
if(unfinished)
  message(FATAL_ERROR "texts left untranslated in ${unfinished}; "
                      "add them to translations/english.py and run translations/fill.py")
endif()
if(stale)
  message(FATAL_ERROR "out of date with the sources: ${stale}; "
                      "run `cmake --build <build folder> --target update_translations`")
endif()
