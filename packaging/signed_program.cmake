# SPDX-FileCopyrightText: 2026 Velmora Software
# SPDX-License-Identifier: GPL-3.0-or-later
# Run by CPack once it has installed the files it packs (CPACK_PRE_BUILD_SCRIPTS): when
# VARNELTOSK_SIGNED_PROGRAM names the program signed (scripts/pack-windows signs it), that file
# is packed in place of the one built, so that the zip and the installer carry the same one.
if(NOT "$ENV{VARNELTOSK_SIGNED_PROGRAM}" STREQUAL "")
    file(GLOB_RECURSE built "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/${CPACK_VARNELTOSK_PROGRAM}")
    list(LENGTH built count)
    if(NOT count EQUAL 1)
        message(FATAL_ERROR "Expected one ${CPACK_VARNELTOSK_PROGRAM} to sign, found: ${built}")
    endif()
    file(COPY_FILE "$ENV{VARNELTOSK_SIGNED_PROGRAM}" "${built}")
endif()
