# One static library per source folder. Sources are picked up from the folder,
# so adding a class pair needs no edit here.
# Warnings are errors where the project builds itself (its scripts, CI and
# presets turn NX_WERROR on); a packager's build of any type only shows them.
function(nx_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wno-missing-field-initializers)
  if(NX_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# The Qt and standard headers nearly every file of a layer includes are
# precompiled (NX_PCH, on by default): most of a build's time went into reading
# them again for each file. One header is made for each kind of target (Qt Core
# only, widgets, tests) by the first target of that kind and used by the others,
# whose compile options are the same.
set(NX_PCH_CORE <QByteArray> <QHash> <QList> <QObject> <QString> <QStringList> <algorithm> <functional> <memory>
    <vector>)
set(NX_PCH_WIDGETS ${NX_PCH_CORE} <QCheckBox> <QComboBox> <QDialog> <QLabel> <QLayout> <QLineEdit> <QPlainTextEdit>
    <QPushButton> <QTreeWidget> <QWidget>)
set_property(GLOBAL PROPERTY NX_WIDGET_TARGETS Qt6::Widgets)

# KIND tests (with GoogleTest) or, by default, widgets when the target links
# Qt Widgets itself or through a layer that does, else core.
function(nx_precompile target)
  cmake_parse_arguments(P "" "KIND" "DEPS" ${ARGN})
  if(NOT NX_PCH)
    return()
  endif()
  set(_kind ${P_KIND})
  if(NOT _kind)
    set(_kind core)
    get_property(_widget_targets GLOBAL PROPERTY NX_WIDGET_TARGETS)
    foreach(_dep IN LISTS P_DEPS)
      if(_dep IN_LIST _widget_targets)
        set(_kind widgets)
        break()
      endif()
    endforeach()
  endif()
  if(NOT _kind STREQUAL "core")
    set_property(GLOBAL APPEND PROPERTY NX_WIDGET_TARGETS ${target})
  endif()
  get_property(_owner GLOBAL PROPERTY NX_PCH_OWNER_${_kind})
  if(_owner)
    target_precompile_headers(${target} REUSE_FROM ${_owner})
    return()
  endif()
  set_property(GLOBAL PROPERTY NX_PCH_OWNER_${_kind} ${target})
  if(_kind STREQUAL "core")
    target_precompile_headers(${target} PRIVATE ${NX_PCH_CORE})
  elseif(_kind STREQUAL "widgets")
    target_precompile_headers(${target} PRIVATE ${NX_PCH_WIDGETS})
  else()
    target_precompile_headers(${target} PRIVATE ${NX_PCH_WIDGETS} <gtest/gtest.h>)
  endif()
endfunction()

function(nx_layer name dir)
  cmake_parse_arguments(L "" "" "DEPS;EXCLUDE" ${ARGN})
  file(GLOB _srcs CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h)
  foreach(_ex IN LISTS L_EXCLUDE)
    list(FILTER _srcs EXCLUDE REGEX "/${_ex}$")
  endforeach()
  list(FILTER _srcs INCLUDE REGEX "\\.cpp$")
  if(_srcs)
    file(GLOB _hdrs CONFIGURE_DEPENDS ${dir}/*.h)
    add_library(${name} STATIC ${_srcs} ${_hdrs})
    # A header added to the folder must make moc look again at the folder.
    set_property(TARGET ${name} APPEND PROPERTY AUTOGEN_TARGET_DEPENDS ${_hdrs})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR} ${CMAKE_BINARY_DIR}/generated)
    target_link_libraries(${name} PUBLIC ${L_DEPS})
    nx_warnings(${name})
    nx_precompile(${name} DEPS ${L_DEPS})
  else()
    # A folder whose classes have not been written yet still links as a layer.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR} ${CMAKE_BINARY_DIR}/generated)
    target_link_libraries(${name} INTERFACE ${L_DEPS})
  endif()
endfunction()
