; Wordlumo's installer for Windows x64: per user, without administrator
; rights, into %LOCALAPPDATA%\Programs\Wordlumo, with a Start menu shortcut
; and an entry in the user's installed programs. /S installs silently.
;
; The user's own files live beside the program: NewData.dat (the words
; they added) and Zeto.ini (their settings). Installing over an older
; version never replaces them, and uninstalling leaves them where they are.
;
; A running Zeto is asked to exit before any file is touched, and the old
; Tapwire.dll, which may still be mapped in applications Zeto's hooks reached,
; is renamed aside when it cannot be deleted: so a folder is never left half
; replaced.
;
; makensis -DVERSION=<x.y.z> -DSTAGE=<folder of the files> -DOUTFILE=<setup.exe> Wordlumo.nsi
Unicode true
Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma

!define PRODUCT "Wordlumo"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define RUNONCE_KEY "Software\Microsoft\Windows\CurrentVersion\RunOnce"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

!include "MUI2.nsh"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\Zeto.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!define MUI_FINISHPAGE_TITLE "Wordlumo has been removed"
!define MUI_FINISHPAGE_TEXT "Your own words (NewData.dat) and settings (Zeto.ini) are kept in $INSTDIR. Delete that folder if you no longer need them."
!insertmacro MUI_UNPAGE_FINISH
!insertmacro MUI_LANGUAGE "English"

; The helpers beside this script.
!addincludedir "${__FILEDIR__}"
!include "ZetoRunning.nsh"
!include "TapwireAside.nsh"
!insertmacro ZETO_RUNNING_FUNCTIONS ""
!insertmacro ZETO_RUNNING_FUNCTIONS "un."
!insertmacro TAPWIRE_ASIDE_FUNCTIONS ""
!insertmacro TAPWIRE_ASIDE_FUNCTIONS "un."
!insertmacro TAPWIRE_ASIDE_LATER_FUNCTION

Section "Wordlumo"
    SetShellVarContext current
    Call CloseZeto
    Call SetTapwireAside
    SetOutPath "$INSTDIR"
    File "${STAGE}\Zeto.exe"
    File "${STAGE}\Tapwire.dll"
    File "${STAGE}\data.dat"
    File "${STAGE}\forms.dat"
    File "${STAGE}\pron.dat"
    File "${STAGE}\zetodict.exe"
    File "${STAGE}\README.txt"
    File "${STAGE}\CREDITS.txt"
    ; An empty NewData.dat only where the user has none yet.
    SetOverwrite off
    File "${STAGE}\NewData.dat"
    SetOverwrite on
    WriteUninstaller "$INSTDIR\Uninstall.exe"

    ; The shortcut's working directory is the current output path: the
    ; folder with data.dat, NewData.dat and Zeto.ini.
    CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\Zeto.exe"

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Zeto.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    SetShellVarContext current
    Call un.CloseZeto
    Call un.SetTapwireAside
    Delete "$INSTDIR\Zeto.exe"
    Delete "$INSTDIR\data.dat"
    Delete "$INSTDIR\forms.dat"
    Delete "$INSTDIR\pron.dat"
    Delete "$INSTDIR\zetodict.exe"
    Delete "$INSTDIR\README.txt"
    Delete "$INSTDIR\CREDITS.txt"
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    ; "Start with Windows" would point at a program that is gone.
    DeleteRegValue HKCU "${RUN_KEY}" "${PRODUCT}"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    Call un.DeleteTapwireAsideLater
    ; Last: an uninstall cut short leaves its uninstaller, and whoever waits
    ; for it to go knows the rest is done.
    Delete "$INSTDIR\Uninstall.exe"
    DetailPrint "Kept: NewData.dat and Zeto.ini in $INSTDIR"
    ; Removed only when empty, so never with the user's files in it.
    RMDir "$INSTDIR"
SectionEnd
