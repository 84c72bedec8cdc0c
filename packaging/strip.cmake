# SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# Run by CPack on the staged installation before it is packed: strips the program as Debian's dh_strip
# does, without the compiler's .comment and .note sections.
execute_process(
    COMMAND ${CPACK_KESTROVA_STRIP} --remove-section=.comment --remove-section=.note
            ${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/bin/kestrova
    COMMAND_ERROR_IS_FATAL ANY)
