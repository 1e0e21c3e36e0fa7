# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the Debian changelog of the package from the project's CHANGELOG.md: each heading
# "## VERSION (YYYY-MM-DD)" becomes an entry and each "- " item, with the indented lines that
# continue it, a change wrapped to 80 columns. The newest entry must be the version being built.
#
# cmake -DINPUT=CHANGELOG.md -DOUTPUT=changelog -DPACKAGE=name -DVERSION=x.yy
#       "-DMAINTAINER=Name <address>" -P changelog.cmake

file(READ "${INPUT}" text)
# Markdown may hold semicolons, which CMake lists take as separators.
string(REPLACE ";" "<semicolon>" text "${text}")
string(REPLACE "\n" ";" lines "${text}")

set(entries "")
set(changes "")
set(change "")

# Appends the change gathered so far to `changes`, wrapped: "  * " first, "    " after.
macro(close_change)
    if(NOT change STREQUAL "")
        string(REGEX REPLACE "[ \t]+" ";" words "${change}")
        set(line "  *")
        foreach(word IN LISTS words)
            string(REPLACE "<semicolon>" ";" candidate "${line} ${word}")
            string(LENGTH "${candidate}" length)
            if(length GREATER 80 AND NOT line STREQUAL "  *")
                string(APPEND changes "${line}\n")
                set(line "   ")
            endif()
            string(APPEND line " ${word}")
        endforeach()
        string(APPEND changes "${line}\n")
        set(change "")
    endif()
endmacro()

macro(close_entry)
    close_change()
    if(DEFINED entry_version)
        if(changes STREQUAL "")
            message(FATAL_ERROR "${INPUT}: release ${entry_version} lists no change")
        endif()
        execute_process(
            COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C date -u -R -d "${entry_date} 12:00"
            OUTPUT_VARIABLE stamp OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
        string(APPEND entries "${PACKAGE} (${entry_version}) stable; urgency=medium\n\n"
            "${changes}\n -- ${MAINTAINER}  ${stamp}\n\n")
        set(changes "")
    endif()
endmacro()

foreach(line IN LISTS lines)
    if(line MATCHES "^## +([^ ]+) +\\(([0-9]+-[0-9]+-[0-9]+)\\)")
        set(version "${CMAKE_MATCH_1}")
        set(date "${CMAKE_MATCH_2}")
        close_entry()
        if(NOT DEFINED entry_version AND NOT version STREQUAL VERSION)
            message(FATAL_ERROR
                "${INPUT}: the newest release is ${version}, but ${VERSION} is being built")
        endif()
        set(entry_version "${version}")
        set(entry_date "${date}")
    elseif(DEFINED entry_version AND line MATCHES "^- +(.*)")
        set(item "${CMAKE_MATCH_1}")
        close_change()
        set(change "${item}")
    elseif(NOT change STREQUAL "" AND line MATCHES "^ +(.+)")
        string(APPEND change " ${CMAKE_MATCH_1}")
    elseif(line MATCHES "^#")
        close_change()
    endif()
endforeach()
close_entry()

if(entries STREQUAL "")
    message(FATAL_ERROR "${INPUT} holds no release heading \"## VERSION (YYYY-MM-DD)\"")
endif()
string(REPLACE "<semicolon>" ";" entries "${entries}")
string(REGEX REPLACE "\n\n$" "\n" entries "${entries}")
file(WRITE "${OUTPUT}" "${entries}")
