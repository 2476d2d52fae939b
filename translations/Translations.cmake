# Velmora's catalogs: one per shipped language, besides the Simplified Chinese source texts.
# Shared by the build (ui/common) and the catalogs' completeness test (tests/translations).
set(VELMORA_LANGUAGES en zh_TW ja ko de fr es pt_BR ru)
set(VELMORA_TS_FILES)
foreach(language IN LISTS VELMORA_LANGUAGES)
  list(APPEND VELMORA_TS_FILES "${PROJECT_SOURCE_DIR}/translations/velmora_${language}.ts")
endforeach()
# Every file that may hold a user-visible text; the core's own calls are coreTranslate().
file(GLOB_RECURSE VELMORA_TRANSLATED_SOURCES CONFIGURE_DEPENDS
     "${PROJECT_SOURCE_DIR}/app/*.cpp" "${PROJECT_SOURCE_DIR}/app/*.h"
     "${PROJECT_SOURCE_DIR}/core/*.cpp" "${PROJECT_SOURCE_DIR}/core/*.h"
     "${PROJECT_SOURCE_DIR}/platform/*.cpp" "${PROJECT_SOURCE_DIR}/platform/*.h"
     "${PROJECT_SOURCE_DIR}/ui/*.cpp" "${PROJECT_SOURCE_DIR}/ui/*.h")
list(SORT VELMORA_TRANSLATED_SOURCES)
# The headers are found from the top folder (-I, or the build's INCLUDE_DIRECTORIES), so that
# tr()'s context is the class's full name, as moc writes it.
set(VELMORA_LUPDATE_OPTIONS -tr-function-alias translate+=coreTranslate -locations none
    -source-language zh_CN -no-obsolete -silent)
