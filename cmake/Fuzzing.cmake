# The fuzz targets (fuzz/) need clang and libFuzzer, so they build in a tree of their own,
# build/<tree>/fuzz, made by this one as part of its build. Each target runs as a test of
# this tree under the label "fuzz" for PANMASTER_FUZZ_SECONDS, from the sample content as
# its seeds (scripts/fuzz-run.sh); scripts/fuzz.sh runs them longer.
option(PANMASTER_FUZZ "Build the fuzz targets with clang and run each as a test" ON)
set(PANMASTER_FUZZ_SECONDS 20 CACHE STRING "Seconds each fuzz target runs as a test")
if(NOT PANMASTER_FUZZ)
  return()
endif()

find_program(PM_CLANG NAMES clang-14 clang)
find_program(PM_CLANGXX NAMES clang++-14 clang++)
if(PM_CLANG AND PM_CLANGXX)
  execute_process(COMMAND ${PM_CLANG} -print-resource-dir
                  OUTPUT_VARIABLE pm_clang_resources OUTPUT_STRIP_TRAILING_WHITESPACE)
  file(GLOB pm_libfuzzer "${pm_clang_resources}/lib/linux/libclang_rt.fuzzer-*.a")
endif()
if(NOT pm_libfuzzer)
  message(WARNING "clang with libFuzzer (packages clang, libclang-rt-14-dev) not found: "
                  "no fuzz targets")
  return()
endif()

# Half the cores: the fuzz tree builds beside this tree's own build.
cmake_host_system_information(RESULT pm_cores QUERY NUMBER_OF_LOGICAL_CORES)
math(EXPR pm_fuzz_jobs "(${pm_cores} + 1) / 2")
set(PANMASTER_FUZZ_DIR ${CMAKE_BINARY_DIR}/fuzz)
include(ExternalProject)
ExternalProject_Add(fuzzers
  SOURCE_DIR ${PROJECT_SOURCE_DIR}
  BINARY_DIR ${PANMASTER_FUZZ_DIR}
  CMAKE_GENERATOR Ninja
  CMAKE_ARGS -DCMAKE_C_COMPILER=${PM_CLANG} -DCMAKE_CXX_COMPILER=${PM_CLANGXX}
             -DPANMASTER_FUZZ_TREE=ON -DPANMASTER_TESTS=OFF -DPANMASTER_BENCH=OFF
  BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> -j ${pm_fuzz_jobs}
  BUILD_ALWAYS ON
  INSTALL_COMMAND "")

function(pm_fuzz_target name)
  add_test(NAME fuzz_${name}
           COMMAND ${PROJECT_SOURCE_DIR}/scripts/fuzz-run.sh ${PANMASTER_FUZZ_DIR}/bin/fuzz_${name}
                   ${PANMASTER_FUZZ_SECONDS} ${PANMASTER_FUZZ_DIR}/work/${name}
                   ${CMAKE_BINARY_DIR} ${ARGN})
  set_tests_properties(fuzz_${name} PROPERTIES LABELS fuzz)
endfunction()
include(${PROJECT_SOURCE_DIR}/fuzz/Targets.cmake)
