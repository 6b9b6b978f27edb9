# Build-time step (cmake -P): makes sure the pinned d3-celestial package is
# present, proves it is the published one, and unpacks the files the
# generators read. Run with:
#   -DPACKAGE_NAME=d3-celestial -DPACKAGE_VERSION=0.7.35
#   -DPACKAGE_INTEGRITY=sha512-...  (the registry's published integrity)
#   -DPACKAGE_TGZ=<path, may be empty>  -DBUILD_DIR=<build folder>
#   -DUNPACK_DIR=<where the package goes>  -DSTAMP=<file written on success>
#   -DNPM=<npm executable or NOTFOUND>
#
# The integrity is checked before anything is unpacked, so a tampered or
# truncated download never reaches the generators.

include(${CMAKE_CURRENT_LIST_DIR}/Integrity.cmake)

set(tarball "${PACKAGE_TGZ}")
if(tarball STREQUAL "")
  set(tarball "${BUILD_DIR}/${PACKAGE_NAME}-${PACKAGE_VERSION}.tgz")
endif()

if(NOT EXISTS "${tarball}")
  if(NOT PACKAGE_TGZ STREQUAL "")
    message(FATAL_ERROR
      "The sky data package ${PACKAGE_TGZ} (VESPERA_SKY_PACKAGE) does not exist. "
      "Point VESPERA_SKY_PACKAGE at a copy of ${PACKAGE_NAME}-${PACKAGE_VERSION}.tgz "
      "or clear it to let the build fetch the package with npm.")
  endif()
  if(NOT NPM OR NPM MATCHES "NOTFOUND")
    message(FATAL_ERROR
      "The sky data package ${PACKAGE_NAME}@${PACKAGE_VERSION} is missing and npm was not "
      "found to fetch it. Install npm (Debian package 'npm') or set VESPERA_SKY_PACKAGE "
      "to a downloaded ${PACKAGE_NAME}-${PACKAGE_VERSION}.tgz.")
  endif()
  message(STATUS "Fetching ${PACKAGE_NAME}@${PACKAGE_VERSION} with npm pack")
  execute_process(
    COMMAND "${NPM}" pack "${PACKAGE_NAME}@${PACKAGE_VERSION}" --pack-destination "${BUILD_DIR}"
    WORKING_DIRECTORY "${BUILD_DIR}"
    RESULT_VARIABLE npmResult
    OUTPUT_VARIABLE npmOutput
    ERROR_VARIABLE npmError)
  if(NOT npmResult EQUAL 0 OR NOT EXISTS "${tarball}")
    file(REMOVE "${tarball}")
    message(FATAL_ERROR
      "npm pack ${PACKAGE_NAME}@${PACKAGE_VERSION} failed (${npmResult}):\n${npmError}\n"
      "The sky data package is needed to build the catalogue files.")
  endif()
endif()

vespera_integrity_to_hex("${PACKAGE_INTEGRITY}" expectedAlgorithm expectedHex)
file(${expectedAlgorithm} "${tarball}" actualHex)
if(NOT actualHex STREQUAL expectedHex)
  message(FATAL_ERROR
    "The sky data package ${tarball} is not the published ${PACKAGE_NAME}@${PACKAGE_VERSION}: "
    "its ${expectedAlgorithm} is ${actualHex}, expected ${expectedHex} "
    "(integrity ${PACKAGE_INTEGRITY}). Delete the file to fetch it again.")
endif()

file(REMOVE_RECURSE "${UNPACK_DIR}")
file(MAKE_DIRECTORY "${UNPACK_DIR}")
file(ARCHIVE_EXTRACT INPUT "${tarball}" DESTINATION "${UNPACK_DIR}"
  PATTERNS package/LICENSE package/data/*.json)
if(NOT EXISTS "${UNPACK_DIR}/package/data/stars.14.json")
  message(FATAL_ERROR "The sky data package ${tarball} holds no data/stars.14.json.")
endif()
file(TOUCH "${STAMP}")
