# SPDX-License-Identifier: GPL-3.0-or-later
# Helpers shared by every subsystem's CMakeLists.txt.

# sonarel_library(NAME SOURCES ... [DEPENDS ...]): one static library per subsystem folder,
# included from the repository root ("core/wave_file.h").
function(sonarel_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  if(ARG_DEPENDS)
    target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
  endif()
  if(ARG_DEPENDS MATCHES "(^|;)Qt[0-9]*::")
    sonarel_qt_target(${name})
  endif()
endfunction()

# sonarel_qt_target(TARGET...): targets built on Qt run moc over their Q_OBJECT classes;
# no other target does, so the plain C++ libraries build without Qt's generators.
function(sonarel_qt_target)
  set_target_properties(${ARGN} PROPERTIES AUTOMOC ON)
endfunction()

# sonarel_unit_test(NAME SOURCES ... LIBRARIES ...): a GoogleTest executable whose cases
# CTest discovers one by one, labelled with the subsystem it tests.
function(sonarel_unit_test name)
  if(NOT SONAREL_TESTS)
    return()
  endif()
  cmake_parse_arguments(ARG "" "LABEL" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} GTest::gtest GTest::gtest_main)
  gtest_discover_tests(${name} PROPERTIES LABELS "${ARG_LABEL}" DISCOVERY_TIMEOUT 60)
endfunction()

# The numeric, record and command-line targets must stay free of Qt: fail the configure
# step if one of them links a Qt library, directly or through the link libraries of the
# targets it links. A name that is not a target (yet) is skipped with a note.
function(sonarel_check_no_qt)
  foreach(target ${ARGN})
    if(NOT TARGET ${target})
      message(STATUS "No-Qt check: ${target} is not a target here, skipped")
      continue()
    endif()
    set_property(GLOBAL PROPERTY SONAREL_LINKS_SEEN "")
    _sonarel_find_link(${target} "${target}" "^Qt[0-9]*::|(^|/)(lib)?Qt[0-9]+[A-Z]" path)
    if(path)
      message(FATAL_ERROR "${target} must not link Qt, but links it through ${path}")
    endif()
  endforeach()
endfunction()

# sonarel_check_not_linked(TARGET LIBRARY): fail the configure step if TARGET links LIBRARY,
# directly or through other targets (the notes editor must not pull in the workstation).
function(sonarel_check_not_linked target library)
  set_property(GLOBAL PROPERTY SONAREL_LINKS_SEEN "")
  _sonarel_find_link(${target} "${target}" "^${library}$" path)
  if(path)
    message(FATAL_ERROR "${target} must not link ${library}, but links it through ${path}")
  endif()
endfunction()

# Sets `result` to the chain "a -> b -> Qt6::Core" that leads from `target` to a library
# whose name matches `pattern`, or to nothing. Follows LINK_LIBRARIES and
# INTERFACE_LINK_LIBRARIES of every target met once; imported targets are taken as they are.
function(_sonarel_find_link target chain pattern result)
  set(${result} "" PARENT_SCOPE)
  get_property(seen GLOBAL PROPERTY SONAREL_LINKS_SEEN)
  if(target IN_LIST seen)
    return()
  endif()
  set_property(GLOBAL APPEND PROPERTY SONAREL_LINKS_SEEN ${target})
  get_target_property(imported ${target} IMPORTED)
  if(imported)
    return()
  endif()
  set(libs "")
  foreach(property LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
    get_target_property(more ${target} ${property})
    if(more)
      list(APPEND libs ${more})
    endif()
  endforeach()
  foreach(lib ${libs})
    string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" lib "${lib}")
    if(lib MATCHES "${pattern}")
      set(${result} "${chain} -> ${lib}" PARENT_SCOPE)
      return()
    endif()
    if(TARGET ${lib})
      _sonarel_find_link(${lib} "${chain} -> ${lib}" "${pattern}" found)
      if(found)
        set(${result} "${found}" PARENT_SCOPE)
        return()
      endif()
    endif()
  endforeach()
endfunction()
