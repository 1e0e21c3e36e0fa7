# SPDX-FileCopyrightText: 2026 Velmora Software
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs `reuse lint` over the source tree SOURCE, leaving out what its .gitignore files ignore (the
# build folders). reuse asks git for that, and git sees the tree through a repository of its own
# in WORK: the tree may be a checkout, or an unpacked source archive or Debian package build
# with no .git at all, or one inside another repository whose ignore rules must not apply.
# Usage: cmake -DSOURCE=DIR -DWORK=DIR -P reuse_lint.cmake
find_program(REUSE reuse REQUIRED)
find_program(GIT git REQUIRED)
file(REMOVE_RECURSE ${WORK})
execute_process(COMMAND ${GIT} init --quiet ${WORK} COMMAND_ERROR_IS_FATAL ANY)
set(ENV{GIT_DIR} ${WORK}/.git)
set(ENV{GIT_WORK_TREE} ${SOURCE})
# One process: a build chroot may offer none of the shared memory that several need.
execute_process(COMMAND ${REUSE} --no-multiprocessing --root ${SOURCE} lint RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "reuse lint found files without copyright or licence, or licences "
        "without their text in LICENSES/")
endif()
