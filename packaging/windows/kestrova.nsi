; SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
; SPDX-License-Identifier: GPL-3.0-or-later
; The Windows installer: a per-user installation (no administrator rights) in the user's own program
; folder, a Start-menu entry and an entry in Settings > Apps; the uninstaller removes all of it.
;   makensis -DVERSION=1.02 -DNUMERIC_VERSION=1.2.0.0 -DEXE=kestrova.exe -DICON=kestrova.ico -DOUTFILE=setup.exe kestrova.nsi
; Silent, for a script: setup.exe /S, and /D=C:\folder (last, unquoted, even with spaces) for another folder.

; 64-bit, like the program: it runs where the program runs, and under a 64-bit wine.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true
; Teachers look for "setup" in the name; the manifest asks for no elevation, so Windows treats it as a
; plain program.
!pragma warning disable 9000

!include MUI2.nsh
!include LogicLib.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Kestrova"

Name "Kestrova"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Kestrova"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

VIProductVersion "${NUMERIC_VERSION}"
VIFileVersion "${NUMERIC_VERSION}"
VIAddVersionKey /LANG=0 "ProductName" "Kestrova"
VIAddVersionKey /LANG=0 "CompanyName" "Kestrova"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileDescription" "Kestrova ${VERSION} - instalace"
VIAddVersionKey /LANG=0 "LegalCopyright" "GPL-3.0-or-later"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\kestrova.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Czech"

Section
    SetShellVarContext current
    SetOutPath "$INSTDIR"
    File "/oname=kestrova.exe" "${EXE}"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\Kestrova.lnk" "$INSTDIR\kestrova.exe" "" "$INSTDIR\kestrova.exe" 0

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Kestrova"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\kestrova.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Kestrova"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    SectionGetSize 0 $0
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
    SetShellVarContext current
    ; A program still running cannot be deleted: ask for it to be closed rather than leave it behind.
    ${Do}
        ClearErrors
        Delete "$INSTDIR\kestrova.exe"
        ${IfNot} ${Errors}
            ${Break}
        ${EndIf}
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Kestrova je spuštěná. Ukončete ji a zkuste to znovu." \
            /SD IDCANCEL IDRETRY +2
        Abort
    ${Loop}
    Delete "$SMPROGRAMS\Kestrova.lnk"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR" ; only when empty: nothing of the user's is ever deleted
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
