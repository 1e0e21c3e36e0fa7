# SPDX-FileCopyrightText: 2026 Velmora Software
# SPDX-License-Identifier: GPL-3.0-or-later
# Read by CPack before it makes each package (CPACK_PROJECT_CONFIG_FILE). When the environment
# names a signing command (scripts/pack-windows does, when it is given a key), the installer
# signs its uninstaller and itself with it (nsis/installer.nsi); without one, nothing changes.
if(CPACK_GENERATOR STREQUAL "NSIS" AND NOT "$ENV{VARNELTOSK_SIGN_COMMAND}" STREQUAL "")
    string(APPEND CPACK_NSIS_DEFINES
        "\n!define VARNELTOSK_SIGN_COMMAND `$ENV{VARNELTOSK_SIGN_COMMAND}`")
endif()
