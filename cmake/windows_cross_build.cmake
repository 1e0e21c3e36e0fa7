# SPDX-FileCopyrightText: 2026 Velmora Software
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-building for Windows on Linux against the static Qt that scripts/build-qt-windows makes:
# every executable is linked statically, so it needs no DLL beside it, and every test runs under
# Wine through cmake/wine-run, with a private Wine prefix in the build folder.

find_program(VARNELTOSK_WINE wine REQUIRED)

# One executable each, with libstdc++, libgcc and winpthread linked in; stripped in release.
add_link_options(-static $<$<CONFIG:Release,MinSizeRel>:-s>)
# A function with an array on its stack checks a guard value before it returns, and stops the
# program when a write beyond the array has changed it (libssp, linked in statically).
add_compile_options(-fstack-protector-strong)
add_link_options(-fstack-protector-strong)

set(VARNELTOSK_WINE_STATE ${PROJECT_BINARY_DIR}/wine)
set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/cmake/wine-run ${VARNELTOSK_WINE_STATE})

# With static Qt the plugins an executable loads are linked into it. The tests run on the
# offscreen platform, so every test executable takes that plugin too.
function(varneltosk_link_offscreen_plugin directory)
    get_property(targets DIRECTORY ${directory} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target IN LISTS targets)
        get_target_property(type ${target} TYPE)
        if(type STREQUAL "EXECUTABLE")
            qt_import_plugins(${target} INCLUDE Qt6::QOffscreenIntegrationPlugin)
        endif()
    endforeach()
endfunction()
