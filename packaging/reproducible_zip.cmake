# SPDX-FileCopyrightText: 2026 Velmora Software
# SPDX-License-Identifier: GPL-3.0-or-later
# Run by CPack after it has made its packages (CPACK_POST_BUILD_SCRIPTS): packs each zip again
# with repack_zip.py, so that it holds no packing time, user or umask.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    if(package MATCHES "\\.zip$")
        execute_process(COMMAND ${CPACK_VARNELTOSK_PYTHON} ${CPACK_VARNELTOSK_REPACK_ZIP}
                ${package} ${CPACK_VARNELTOSK_SOURCE_DATE_EPOCH}
            COMMAND_ERROR_IS_FATAL ANY)
    endif()
endforeach()
