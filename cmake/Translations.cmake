# The interface texts. lupdate reads the Qt-free layers' marker UMBRIX_TR as QT_TRANSLATE_NOOP and
# writes no source locations, so that a file changes only when a text does. One list of options
# for the build's update target and the test that finds the .ts files up to date.
set(UMBRIX_LUPDATE_OPTIONS
  -tr-function-alias QT_TRANSLATE_NOOP+=UMBRIX_TR
  -tr-function-alias QT_TRANSLATE_N_NOOP+=UMBRIX_TR_N
  -locations none -no-obsolete -source-language fr_FR -silent)
