# SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# The version is the project's, as the program shows it ("1.00"). Windows compares versions as numbers,
# major.minor.build: to it 1.02 is 1.2.0, KESTROVA_NUMERIC_VERSION.
function(kestrova_numeric_version version out)
    if(NOT version MATCHES "^([0-9]+)\\.([0-9]+)(\\.([0-9]+))?$")
        message(FATAL_ERROR "version ${version} is not major.minor or major.minor.build")
    endif()
    math(EXPR major "${CMAKE_MATCH_1}")
    math(EXPR minor "${CMAKE_MATCH_2}")
    set(build 0)
    if(CMAKE_MATCH_4)
        math(EXPR build "${CMAKE_MATCH_4}")
    endif()
    if(major GREATER 255 OR minor GREATER 255 OR build GREATER 65535)
        message(FATAL_ERROR "version ${version} is beyond what Windows Installer counts (255.255.65535)")
    endif()
    set(${out} ${major}.${minor}.${build} PARENT_SCOPE)
endfunction()
kestrova_numeric_version(${PROJECT_VERSION} KESTROVA_NUMERIC_VERSION)
