; SPDX-FileCopyrightText: 2026 Velmora Software
; SPDX-License-Identifier: GPL-3.0-or-later
; The Windows installer. By default it installs for the current user alone and needs no
; administrator: into %LOCALAPPDATA%\Programs, the user's Start menu and the user's list of
; installed programs (HKCU). For everyone on the computer (/AllUsers, or the choice on its first
; page) it installs into Program Files, the common Start menu and HKLM, and only then asks for an
; administrator, by starting itself again elevated. Without either option it keeps to the scope
; of an installation already there. Installing over an installation in the same scope, of this
; or an earlier version, first removes that one with its own uninstaller, so one entry remains.
;
;   /S silent; /D=FOLDER where to install (last and unquoted, as NSIS wants it);
;   /AllUsers or /CurrentUser the scope. The uninstaller takes /S.
;
; NSIS.template.in, which CPack fills in from the top CMakeLists, defines the VARNELTOSK_ names
; and the macros that install and delete the program's files, then includes this script.

Target amd64-unicode
; No file times in the installer, so that the same files make the same bytes: this comes before
; anything that stores a file (the plug-ins included by the pages among them).
SetDateSave off
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

; Signing: with VARNELTOSK_SIGN_COMMAND defined as a command that signs the executable named
; last in place and exits with 0 (scripts/pack-windows defines it when it is given a key),
; makensis signs the uninstaller before it is packed and the installer once it is written.
!ifdef VARNELTOSK_SIGN_COMMAND
    !uninstfinalize '${VARNELTOSK_SIGN_COMMAND} "%1"' = 0
    !finalize '${VARNELTOSK_SIGN_COMMAND} "%1"' = 0
!endif

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include nsDialogs.nsh
!include WinCore.nsh

Name "${VARNELTOSK_NAME}"
OutFile "${VARNELTOSK_OUTFILE}"
BrandingText "${VARNELTOSK_PUBLISHER}"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${VARNELTOSK_REGISTRY_KEY}"
!define UNINSTALLER "Uninstall.exe"
!define SHORTCUT "$SMPROGRAMS\${VARNELTOSK_NAME}.lnk"

Var Parameters
Var Scope ; AllUsers or CurrentUser
Var ScopeGiven ; 1 when the command line named the scope
Var FolderGiven ; the folder /D= named, or empty
Var OldUninstaller ; an installation in the chosen scope, removed before installing
Var OldFolder
Var ScopePage.AllUsers

!define MUI_ICON "${VARNELTOSK_ICON}"
!define MUI_UNICON "${VARNELTOSK_ICON}"
!define MUI_ABORTWARNING
; Started through Explorer, so that an elevated installer starts the program with the user's
; own rights.
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_FUNCTION RunProgram

Page custom ScopePage ScopePageLeave
!insertmacro MUI_PAGE_LICENSE "${VARNELTOSK_LICENSE_FILE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; Unlocks the language file's texts for the choice of users.
!define MULTIUSER_INSTALLMODEPAGE
!insertmacro MUI_LANGUAGE "English"

VIProductVersion "${VARNELTOSK_FILE_VERSION}"
VIFileVersion "${VARNELTOSK_FILE_VERSION}"
; Windows' elevation prompt names the program by its FileDescription.
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${VARNELTOSK_NAME} Setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${VARNELTOSK_PRODUCT}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${VARNELTOSK_PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "${VARNELTOSK_COPYRIGHT}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VARNELTOSK_VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VARNELTOSK_VERSION}"

; Pushes 1 when the process runs with an administrator's rights (elevated, where UAC is on).
!macro PushIsAdmin
    System::Call "shell32::IsUserAnAdmin() i .s"
!macroend

; Starts this program again, elevated, with the given parameters, waits for it and quits.
; ShellExecute does not hand back the exit code: the entry in HKLM tells whether it did its work.
; Where that run still has no administrator's rights (no UAC to ask), it gives up rather than
; asking again.
!macro RunElevated FUNCTION_PREFIX PARAMETERS EXPECT_ENTRY
    ${${FUNCTION_PREFIX}GetParameters} $0
    ClearErrors
    ${${FUNCTION_PREFIX}GetOptions} $0 "/Elevated" $1
    ${IfNot} ${Errors}
        MessageBox MB_OK|MB_ICONSTOP \
            "Only an administrator can do this for all users of this computer." /SD IDOK
        SetErrorLevel 5
        Quit
    ${EndIf}
    HideWindow
    ; Out of the installation folder, so that the elevated uninstaller can remove it.
    SetOutPath $TEMP
    ClearErrors
    ExecShellWait "runas" "$EXEPATH" "/Elevated ${PARAMETERS}"
    ${If} ${Errors}
        ; Refused at the prompt, or no administrator at hand.
        SetErrorLevel 1223
        Quit
    ${EndIf}
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "DisplayVersion"
    ${If} "${EXPECT_ENTRY}" == 1
    ${AndIf} $0 == "${VARNELTOSK_VERSION}"
        SetErrorLevel 0
    ${ElseIf} "${EXPECT_ENTRY}" == 0
    ${AndIf} $0 == ""
        SetErrorLevel 0
    ${Else}
        SetErrorLevel 2
    ${EndIf}
    Quit
!macroend

Function .onInit
    StrCpy $FolderGiven $INSTDIR
    ${GetParameters} $Parameters
    StrCpy $ScopeGiven 1
    ClearErrors
    ${GetOptions} $Parameters "/AllUsers" $0
    ${IfNot} ${Errors}
        StrCpy $Scope AllUsers
    ${Else}
        ClearErrors
        ${GetOptions} $Parameters "/CurrentUser" $0
        ${IfNot} ${Errors}
            StrCpy $Scope CurrentUser
        ${Else}
            ; Where it is installed already, or else for the current user.
            StrCpy $ScopeGiven 0
            StrCpy $Scope CurrentUser
            ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "UninstallString"
            ${If} $0 == ""
                ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "UninstallString"
                ${If} $0 != ""
                    StrCpy $Scope AllUsers
                ${EndIf}
            ${EndIf}
        ${EndIf}
    ${EndIf}
    ; Without the page, the scope takes effect now.
    ${If} $ScopeGiven == 1
    ${OrIf} ${Silent}
        Call UseScope
    ${EndIf}
FunctionEnd

; Sets the shell folders, the registry root and the default folder for $Scope, and finds an
; installation there; for all users without an administrator's rights, starts again elevated.
Function UseScope
    ${If} $Scope == AllUsers
        !insertmacro PushIsAdmin
        Pop $0
        ${If} $0 != 1
            !insertmacro RunElevated "" "/AllUsers $Parameters" 1
        ${EndIf}
        SetShellVarContext all
    ${Else}
        SetShellVarContext current
    ${EndIf}

    ReadRegStr $OldUninstaller SHCTX "${UNINSTALL_KEY}" "UninstallString"
    ; Older installers wrote the path without quotes.
    ${If} $OldUninstaller != ""
        StrCpy $0 $OldUninstaller 1
        ${If} $0 == '"'
            StrCpy $OldUninstaller $OldUninstaller "" 1
            StrCpy $OldUninstaller $OldUninstaller -1
        ${EndIf}
    ${EndIf}
    ReadRegStr $OldFolder SHCTX "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $OldFolder == ""
    ${AndIf} $OldUninstaller != ""
        ${GetParent} $OldUninstaller $OldFolder
    ${EndIf}

    ${If} $FolderGiven != ""
        StrCpy $INSTDIR $FolderGiven
    ${ElseIf} $OldFolder != ""
        StrCpy $INSTDIR $OldFolder
    ${ElseIf} $Scope == AllUsers
        StrCpy $INSTDIR "$PROGRAMFILES64\${VARNELTOSK_FOLDER}"
    ${Else}
        GetKnownFolderPath $0 ${FOLDERID_UserProgramFiles}
        ${If} $0 == ""
            StrCpy $0 "$LOCALAPPDATA\Programs"
        ${EndIf}
        StrCpy $INSTDIR "$0\${VARNELTOSK_FOLDER}"
    ${EndIf}
FunctionEnd

Function ScopePage
    ${If} $ScopeGiven == 1
        Abort
    ${EndIf}
    !insertmacro MUI_HEADER_TEXT "$(MULTIUSER_TEXT_INSTALLMODE_TITLE)" \
        "$(MULTIUSER_TEXT_INSTALLMODE_SUBTITLE)"
    nsDialogs::Create 1018
    Pop $0
    ${NSD_CreateLabel} 0 0 100% 30u "$(MULTIUSER_INNERTEXT_INSTALLMODE_TOP)"
    Pop $0
    ${NSD_CreateRadioButton} 10u 40u -10u 12u "$(MULTIUSER_INNERTEXT_INSTALLMODE_CURRENTUSER)"
    Pop $1
    ${NSD_CreateLabel} 22u 53u -22u 10u "Into your own folder; no administrator is needed."
    Pop $0
    ${NSD_CreateRadioButton} 10u 70u -10u 12u "$(MULTIUSER_INNERTEXT_INSTALLMODE_ALLUSERS)"
    Pop $ScopePage.AllUsers
    ${NSD_CreateLabel} 22u 83u -22u 10u "Into Program Files; an administrator must allow it."
    Pop $0
    ${If} $Scope == AllUsers
        ${NSD_Check} $ScopePage.AllUsers
    ${Else}
        ${NSD_Check} $1
    ${EndIf}
    ${NSD_OnClick} $1 ScopePageShield
    ${NSD_OnClick} $ScopePage.AllUsers ScopePageShield
    Push $1
    Call ScopePageShield
    nsDialogs::Show
FunctionEnd

; The Next button carries Windows' shield while going on will ask for an administrator.
Function ScopePageShield
    Pop $0 ; the control clicked, if any
    ${NSD_GetState} $ScopePage.AllUsers $0
    !insertmacro PushIsAdmin
    Pop $1
    GetDlgItem $2 $HWNDPARENT 1
    ${If} $0 == ${BST_CHECKED}
    ${AndIf} $1 != 1
        SendMessage $2 ${BCM_SETSHIELD} 0 1
    ${Else}
        SendMessage $2 ${BCM_SETSHIELD} 0 0
    ${EndIf}
FunctionEnd

Function ScopePageLeave
    GetDlgItem $0 $HWNDPARENT 1
    SendMessage $0 ${BCM_SETSHIELD} 0 0
    ${NSD_GetState} $ScopePage.AllUsers $0
    ${If} $0 == ${BST_CHECKED}
        StrCpy $Scope AllUsers
    ${Else}
        StrCpy $Scope CurrentUser
    ${EndIf}
    Call UseScope
FunctionEnd

Function RunProgram
    Exec '"$WINDIR\explorer.exe" "$INSTDIR\${VARNELTOSK_PROGRAM}"'
FunctionEnd

Section
    ${If} $OldUninstaller != ""
    ${AndIf} ${FileExists} $OldUninstaller
        DetailPrint "Removing the installation in $OldFolder"
        ; _?= runs it in place, so that it has finished when ExecWait returns.
        ExecWait '"$OldUninstaller" /S _?=$OldFolder'
        Delete $OldUninstaller
        RMDir $OldFolder
        ; The first release's uninstaller leaves its maker's key behind, empty.
        DeleteRegKey /ifempty SHCTX "Software\${VARNELTOSK_PUBLISHER}"
    ${EndIf}

    SetOutPath $INSTDIR
    !insertmacro VARNELTOSK_INSTALL_FILES
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"
    CreateShortCut "${SHORTCUT}" "$INSTDIR\${VARNELTOSK_PROGRAM}"

    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${VARNELTOSK_NAME}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VARNELTOSK_VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${VARNELTOSK_PUBLISHER}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${VARNELTOSK_PROGRAM}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "URLInfoAbout" "${VARNELTOSK_HOMEPAGE}"
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Function un.onInit
    ; For all users when HKLM's entry names this folder.
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 == $INSTDIR
        !insertmacro PushIsAdmin
        Pop $0
        ${If} $0 != 1
            ${If} ${Silent}
                !insertmacro RunElevated un. "/S _?=$INSTDIR" 0
            ${Else}
                !insertmacro RunElevated un. "_?=$INSTDIR" 0
            ${EndIf}
        ${EndIf}
        SetShellVarContext all
    ${Else}
        SetShellVarContext current
    ${EndIf}
FunctionEnd

Section "Uninstall"
    !insertmacro VARNELTOSK_DELETE_FILES
    Delete "$INSTDIR\${UNINSTALLER}"
    RMDir $INSTDIR
    Delete "${SHORTCUT}"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
    ; The folder of per-user programs goes too when nothing else is left in it.
    ${un.GetParent} $INSTDIR $0
    GetKnownFolderPath $1 ${FOLDERID_UserProgramFiles}
    ${If} $0 == $1
    ${OrIf} $0 == "$LOCALAPPDATA\Programs"
        RMDir $0
    ${EndIf}
SectionEnd
