; SPDX-License-Identifier: GPL-3.0-or-later
; Signs the uninstaller as NSIS writes it, before it goes into the installer, and then the
; installer itself, with the command that VARNELTOSK_SIGN_COMMAND names (it signs the executable
; named last, in place, and exits with 0). Without it the installer is made as before, unsigned.
; Include it once, at the top level of the installer's script, after that define.
!ifdef VARNELTOSK_SIGN_COMMAND
  !uninstfinalize '${VARNELTOSK_SIGN_COMMAND} "%1"' = 0
  !finalize '${VARNELTOSK_SIGN_COMMAND} "%1"' = 0
!endif
