; SPDX-FileCopyrightText: 2026 The Tavrino authors
;
; SPDX-License-Identifier: GPL-3.0-or-later

; The installer for a computer room: in Chinese, for all users of the
; computer (Program Files, the common Start menu), with an uninstaller;
; "setup.exe /S" installs without a question, "uninstall.exe /S" removes.
; Built by tools/windows:
;   makensis -DVERSION=2.0.0 -DEXE=tavrino.exe -DICON=tavrino.ico
;            -DLICENSE=GPL-3.0-or-later.txt -DOUTFILE=tavrino-2.0.0-setup.exe tavrino.nsi

Unicode true
SetCompressor /SOLID lzma
!include "MUI2.nsh"
!include "x64.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tavrino"

Name "Tavrino ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Tavrino"
RequestExecutionLevel admin
BrandingText "Tavrino ${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\tavrino.exe"
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"

Function .onInit
    SetShellVarContext all
    ${If} ${RunningX64}
        SetRegView 64
    ${EndIf}
FunctionEnd

Function un.onInit
    SetShellVarContext all
    ${If} ${RunningX64}
        SetRegView 64
    ${EndIf}
FunctionEnd

Section
    SetOutPath "$INSTDIR"
    File "${EXE}"
    File /oname=LICENSE.txt "${LICENSE}"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateDirectory "$SMPROGRAMS\Tavrino"
    CreateShortcut "$SMPROGRAMS\Tavrino\Tavrino.lnk" "$INSTDIR\tavrino.exe"
    CreateShortcut "$SMPROGRAMS\Tavrino\班级记录.lnk" "$INSTDIR\tavrino.exe" "--class"
    CreateShortcut "$SMPROGRAMS\Tavrino\卸载 Tavrino.lnk" "$INSTDIR\uninstall.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Tavrino"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "The Tavrino authors"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tavrino.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    Delete "$SMPROGRAMS\Tavrino\Tavrino.lnk"
    Delete "$SMPROGRAMS\Tavrino\班级记录.lnk"
    Delete "$SMPROGRAMS\Tavrino\卸载 Tavrino.lnk"
    RMDir "$SMPROGRAMS\Tavrino"
    Delete "$INSTDIR\tavrino.exe"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
