# velkora_library(NAME DIR DEPS...): one static library per source folder.
# Sources are globbed so that adding a file needs no edit here.
function(velkora_library name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB _src CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  list(FILTER _src EXCLUDE REGEX "/main\\.cpp$")
  if(NOT _src)
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${CMAKE_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
    return()
  endif()
  add_library(${name} STATIC ${_src})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
endfunction()

# velkora_test(NAME [DIR dir] LIBS...): one GoogleTest executable per test folder (the current
# one unless DIR is given).
function(velkora_test name)
  cmake_parse_arguments(ARG "" "DIR" "LIBS" ${ARGN})
  if(NOT ARG_DIR)
    set(ARG_DIR ${CMAKE_CURRENT_SOURCE_DIR})
  endif()
  file(GLOB _src CONFIGURE_DEPENDS ${ARG_DIR}/*.cpp ${ARG_DIR}/*.h)
  if(NOT _src)
    return()
  endif()
  add_executable(${name} ${_src})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} velkora_test_support GTest::gtest)
  velkora_precompile(${name} FROM velkora_test_pch)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# Precompiled headers: the Qt and standard headers nearly every file includes are parsed once
# per build instead of once per file, which halves a file's compile time under the sanitizers.
# The widget libraries and programs share the one velkora_platform makes, the tests the one
# velkora_test_pch makes (with GoogleTest); the engine (no widgets) and the picture generator
# (QtGui only) make their own, so that no file sees a header its layer lacks. A user of
# another target's header needs the same flags, and no definition that differs from the
# maker's: a definition only the user has is fine while no precompiled header reads it (the
# test module's are read by its own headers only, which are not precompiled).
set(VELKORA_PCH_CORE <algorithm> <array> <functional> <map> <memory> <optional> <utility> <vector>
    <QByteArray> <QHash> <QList> <QObject> <QString> <QStringList>)
set(VELKORA_PCH_GUI ${VELKORA_PCH_CORE} <QColor> <QFont> <QImage> <QPainter> <QPoint> <QRect>
    <QSize>)
set(VELKORA_PCH_WIDGETS ${VELKORA_PCH_GUI} <QApplication> <QDialog> <QKeyEvent> <QLabel>
    <QMouseEvent> <QWidget>)
set(VELKORA_PCH_TESTS ${VELKORA_PCH_WIDGETS} <gtest/gtest.h>)

# velkora_precompile(TARGET HEADERS...): TARGET makes its own precompiled header.
# velkora_precompile(TARGET FROM DONOR): TARGET uses DONOR's.
function(velkora_precompile target)
  if(NOT VELKORA_PCH)
    return()
  endif()
  cmake_parse_arguments(ARG "" "FROM" "" ${ARGN})
  if(ARG_FROM)
    target_precompile_headers(${target} REUSE_FROM ${ARG_FROM})
  else()
    target_precompile_headers(${target} PRIVATE ${ARG_UNPARSED_ARGUMENTS})
  endif()
endfunction()
