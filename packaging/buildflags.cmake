# SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# Flags for every target. The source and build folders are mapped out of the objects, and on Linux the
# build id is a hash of the contents, so two builds of one commit in different folders give the same
# program byte for byte. An optimised native Linux build also takes Debian's flags from dpkg-buildflags
# with all hardening features (DEB_BUILD_OPTIONS and DEB_*FLAGS_APPEND still apply).
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    # Where both match, the later map wins: the build folder may lie inside the source folder.
    add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=. -ffile-prefix-map=${PROJECT_BINARY_DIR}=build)
endif()
if(NOT CMAKE_SYSTEM_NAME STREQUAL "Linux" OR CMAKE_CROSSCOMPILING)
    return()
endif()
add_link_options(-Wl,--build-id=sha1)

option(KESTROVA_DEBIAN_BUILD_FLAGS "Optimised builds take the flags of dpkg-buildflags" ON)
if(NOT KESTROVA_DEBIAN_BUILD_FLAGS OR NOT CMAKE_BUILD_TYPE MATCHES "^(RelWithDebInfo|Release|MinSizeRel)$")
    return()
endif()
find_program(KESTROVA_DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT KESTROVA_DPKG_BUILDFLAGS)
    message(WARNING "dpkg-buildflags not found (package dpkg-dev): building without Debian's hardening flags")
    return()
endif()
foreach(kind IN ITEMS CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all ${KESTROVA_DPKG_BUILDFLAGS} --get ${kind}
        OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    # dpkg-buildflags maps only the folder it is called from; both folders are mapped above.
    list(FILTER flags EXCLUDE REGEX "^-f(file|debug|macro)-prefix-map=")
    if(kind STREQUAL "LDFLAGS")
        add_link_options(${flags})
    else()
        add_compile_options(${flags})
    endif()
endforeach()
