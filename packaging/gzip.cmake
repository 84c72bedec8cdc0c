# SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DGZIP=gzip -DIN=file -DOUT=file.gz -P gzip.cmake: the best compression, with neither the file's
# name nor a time in the header, so the same input always gives the same bytes (gzip -9n).
get_filename_component(folder ${OUT} DIRECTORY)
file(MAKE_DIRECTORY ${folder})
execute_process(COMMAND ${GZIP} -9n -c ${IN} OUTPUT_FILE ${OUT} COMMAND_ERROR_IS_FATAL ANY)
