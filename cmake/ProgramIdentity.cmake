# The program's version has one home: kVersion and kVersionSuffix in
# src/core/store/ProgramIdentity.h, which the titles show ("s1.06.01" and "f").
# The build reads them from there:
#   KARTAVEL_VERSION         1.6.1   the project's version (numbers only)
#   KARTAVEL_PACKAGE_VERSION 1.6.1f  the version of the package and its metadata
file(STRINGS "${CMAKE_CURRENT_LIST_DIR}/../src/core/store/ProgramIdentity.h" _identity
     REGEX "kVersion(Suffix)? = ")
if(NOT _identity MATCHES "kVersion = \"s([0-9]+)\\.([0-9]+)\\.([0-9]+)\"")
    message(FATAL_ERROR "ProgramIdentity.h: kVersion is not of the form \"sN.NN.NN\"")
endif()
# "06" is 6: the title pads the numbers, the package version does not.
math(EXPR _major "${CMAKE_MATCH_1}")
math(EXPR _minor "${CMAKE_MATCH_2}")
math(EXPR _patch "${CMAKE_MATCH_3}")
set(KARTAVEL_VERSION "${_major}.${_minor}.${_patch}")
if(NOT _identity MATCHES "kVersionSuffix = \"([a-z]*)\"")
    message(FATAL_ERROR "ProgramIdentity.h: kVersionSuffix is not a lower-case letter")
endif()
set(KARTAVEL_PACKAGE_VERSION "${KARTAVEL_VERSION}${CMAKE_MATCH_1}")
unset(_identity)

# The name the desktop knows the program by: its menu entry, icon and AppStream
# component. Where the project is published, and where the screenshots of docs/ can
# be fetched, for the software centres.
set(KARTAVEL_APP_ID "org.kartavel.Kartavel" CACHE STRING "Desktop and AppStream id")
set(KARTAVEL_HOMEPAGE_URL "https://kartavel.org/" CACHE STRING "The project's home page")
set(KARTAVEL_SCREENSHOT_URL "${KARTAVEL_HOMEPAGE_URL}docs/" CACHE STRING
    "Where the pictures of docs/ are published")
