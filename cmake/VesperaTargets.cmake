# Common settings for every target of the project.

add_library(vespera_options INTERFACE)
target_compile_options(vespera_options INTERFACE -Wall -Wextra)
# The presets, CI and the sanitizer build turn this on; a packager's plain
# build with another compiler's new warnings still builds.
if(VESPERA_WERROR)
  target_compile_options(vespera_options INTERFACE -Werror)
endif()
target_include_directories(vespera_options INTERFACE ${PROJECT_SOURCE_DIR})
if(VESPERA_SANITIZE)
  target_compile_options(vespera_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  # GCC's may-be-uninitialized analysis gives false alarms on sanitizer-
  # instrumented code (std::optional of a class holding a vector, at -O1); the
  # plain build keeps the warning as an error.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(vespera_options INTERFACE -Wno-maybe-uninitialized)
  endif()
  target_link_options(vespera_options INTERFACE -fsanitize=address,undefined)
endif()
if(VESPERA_FUZZ)
  target_compile_options(vespera_options INTERFACE -fsanitize=fuzzer-no-link)
endif()

# vespera_library(NAME SOURCES... [DEPENDS targets...])
# A static library of project code; includes are rooted at the repository, so
# a header is included as "catalog/CatalogStore.h".
function(vespera_library name)
  cmake_parse_arguments(ARG "" "RESOURCE_LOCK" "SOURCES;DEPENDS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_link_libraries(${name} PUBLIC vespera_options ${ARG_DEPENDS})
endfunction()

# vespera_test(NAME SOURCES... [DEPENDS targets...])
# A GoogleTest executable registered with CTest.
function(vespera_test name)
  cmake_parse_arguments(ARG "" "RESOURCE_LOCK" "SOURCES;DEPENDS" ${ARGN})
  find_package(GTest REQUIRED)
  include(GoogleTest)
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE vespera_options ${ARG_DEPENDS} GTest::gtest GTest::gtest_main GTest::gmock)
  # Every parameterised suite names its instances; NO_PRETTY_VALUES keeps the
  # parameter's byte dump ("# GetParam() = <0D-00 ...>") out of the CTest name.
  set(properties ENVIRONMENT "VESPERA_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
  if(ARG_RESOURCE_LOCK)
    list(APPEND properties RESOURCE_LOCK ${ARG_RESOURCE_LOCK})
  endif()
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES PROPERTIES ${properties})
endfunction()
