# The .ts files are up to date with the sources: lupdate run over src/ into a copy of each changes
# nothing, so no text of the code is missing from a translation file and none is left over.
#   cmake -DUMBRIX_SOURCE_DIR=<source folder> -DLUPDATE=<lupdate> -DWORK_DIR=<scratch folder>
#         -P cmake/CheckTranslations.cmake

cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/Translations.cmake)

file(GLOB_RECURSE sources "${UMBRIX_SOURCE_DIR}/src/*.h" "${UMBRIX_SOURCE_DIR}/src/*.cpp")
file(GLOB ts_files "${UMBRIX_SOURCE_DIR}/translations/umbrix_*.ts")
if(NOT ts_files)
  message(FATAL_ERROR "no translations/umbrix_*.ts")
endif()
file(MAKE_DIRECTORY "${WORK_DIR}")
# lupdate reads its file list from a file, as the build's own update target does
list(JOIN sources "\n" source_list)
file(WRITE "${WORK_DIR}/sources.lst" "${source_list}\n")

set(stale "")
foreach(ts IN LISTS ts_files)
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
if(stale)
  message(FATAL_ERROR "out of date with the sources: ${stale}; "
                      "run `cmake --build <build folder> --target update_translations`")
endif()
