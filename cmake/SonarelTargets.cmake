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

# The numeric and record libraries must stay free of Qt: fail the configure step if one of
# them links a Qt target, directly or through its dependencies.
function(sonarel_check_no_qt)
  foreach(target ${ARGN})
    get_target_property(libs ${target} LINK_LIBRARIES)
    if(libs)
      foreach(lib ${libs})
        if(lib MATCHES "^Qt[0-9]*::")
          message(FATAL_ERROR "${target} must not link Qt, but links ${lib}")
        endif()
      endforeach()
    endif()
  endforeach()
endfunction()
