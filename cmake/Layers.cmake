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
  else()
    # A folder whose classes have not been written yet still links as a layer.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR} ${CMAKE_BINARY_DIR}/generated)
    target_link_libraries(${name} INTERFACE ${L_DEPS})
  endif()
endfunction()
