# SPDX-FileCopyrightText: 2026 Velmora Software
# SPDX-License-Identifier: GPL-3.0-or-later
# The one time that everything built records: noon UTC on the day of this version's release,
# from its heading "## VERSION (YYYY-MM-DD)" in CHANGELOG.md, which must be the newest there.
# The day comes from a file of the source rather than from git, so that the source archive,
# which has no git, builds the same bytes; noon UTC is the same date in nearly every time zone,
# and it is the time of day the Debian changelog gives the release.
#
# Sets VARNELTOSK_RELEASE_DATE (YYYY-MM-DD) and VARNELTOSK_SOURCE_DATE_EPOCH (seconds since
# 1970), and has every compile, link and custom command of the build run with SOURCE_DATE_EPOCH
# (read by the MinGW linker for the PE header's time stamp, by scdoc for the manual page's date,
# by rcc for the times in its resource tree) and rcc's own QT_RCC_SOURCE_DATE_OVERRIDE.

set(changelog ${PROJECT_SOURCE_DIR}/CHANGELOG.md)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${changelog})
set(heading "^## +([^ ]+) +\\(([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])\\)")
file(STRINGS ${changelog} newest REGEX "${heading}" LIMIT_COUNT 1)
if(NOT newest MATCHES "${heading}" OR NOT CMAKE_MATCH_1 STREQUAL VARNELTOSK_VERSION_TEXT)
    message(FATAL_ERROR "CHANGELOG.md must open with the release being built, under a heading "
        "\"## ${VARNELTOSK_VERSION_TEXT} (YYYY-MM-DD)\"; its newest is \"${newest}\"")
endif()
set(VARNELTOSK_RELEASE_DATE "${CMAKE_MATCH_2}-${CMAKE_MATCH_3}-${CMAKE_MATCH_4}")

# Days since 1970-01-01 of a date in the proleptic Gregorian calendar (years from 1 on), counted
# from March so that the leap day ends a year.
math(EXPR year "${CMAKE_MATCH_2}")
math(EXPR month "${CMAKE_MATCH_3}")
math(EXPR day "${CMAKE_MATCH_4}")
if(month LESS_EQUAL 2)
    math(EXPR year "${year} - 1")
    math(EXPR month "${month} + 9")
else()
    math(EXPR month "${month} - 3")
endif()
math(EXPR era "${year} / 400")
math(EXPR year_of_era "${year} - ${era} * 400")
math(EXPR day_of_year "(153 * ${month} + 2) / 5 + ${day} - 1")
math(EXPR day_of_era
    "${year_of_era} * 365 + ${year_of_era} / 4 - ${year_of_era} / 100 + ${day_of_year}")
math(EXPR days "${era} * 146097 + ${day_of_era} - 719468")
math(EXPR VARNELTOSK_SOURCE_DATE_EPOCH "${days} * 86400 + 12 * 3600")

# Ninja and Makefile generators put the launcher before each command line of its kind.
set(launcher "\"${CMAKE_COMMAND}\" -E env SOURCE_DATE_EPOCH=${VARNELTOSK_SOURCE_DATE_EPOCH}"
    " QT_RCC_SOURCE_DATE_OVERRIDE=${VARNELTOSK_SOURCE_DATE_EPOCH}")
string(CONCAT launcher ${launcher})
foreach(rule IN ITEMS COMPILE LINK CUSTOM)
    set_property(GLOBAL PROPERTY RULE_LAUNCH_${rule} "${launcher}")
endforeach()
