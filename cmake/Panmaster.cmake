# pm_library(<name> [SUBDIRS <folders...>] [DEPS <targets...>])
#   One static library from every .cpp in the calling folder, or in the given subfolders.
#   Headers are included from the repository root ("framework/core/CRefCount.h").
function(pm_library name)
  cmake_parse_arguments(PM "" "" "SUBDIRS;DEPS" ${ARGN})
  set(patterns ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(PM_SUBDIRS)
    list(TRANSFORM PM_SUBDIRS PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/ OUTPUT_VARIABLE dirs)
    list(TRANSFORM dirs APPEND /*.cpp OUTPUT_VARIABLE patterns)
  endif()
  file(GLOB sources CONFIGURE_DEPENDS ${patterns})
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${PM_DEPS})
endfunction()

# pm_tests(LIBS <targets...>)
#   One GoogleTest executable per *Test.cpp in the calling folder, named after the
#   folder and the file (tests/framework/core/CRefCountTest.cpp -> framework_core_CRefCountTest),
#   so a test links only what it needs and a broken file breaks only its own binary.
#   The file name gives the CTest label: *E2ETest.cpp -> e2e, *RenderTest.cpp -> render,
#   *AudioTest.cpp -> audio.
function(pm_tests)
  cmake_parse_arguments(PM "" "" "LIBS" ${ARGN})
  file(RELATIVE_PATH rel ${PROJECT_SOURCE_DIR}/tests ${CMAKE_CURRENT_SOURCE_DIR})
  string(REPLACE "/" "_" prefix "${rel}")
  file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*Test.cpp)
  foreach(src IN LISTS tests)
    get_filename_component(base ${src} NAME_WE)
    set(target ${prefix}_${base})
    set(labels unit)
    if(base MATCHES "E2ETest$")
      set(labels e2e)
    elseif(base MATCHES "RenderTest$")
      set(labels render)
    elseif(base MATCHES "AudioTest$")
      set(labels audio)
    endif()
    add_executable(${target} ${src})
    target_link_libraries(${target} PRIVATE ${PM_LIBS} pm_test_support GTest::gtest GTest::gmock)
    gtest_discover_tests(${target}
      DISCOVERY_TIMEOUT 120
      WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin
      PROPERTIES LABELS "${labels}")
  endforeach()
endfunction()
