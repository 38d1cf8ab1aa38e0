; Tapwire.dll is a global hook library: Windows maps it into every hooked
; application, and it stays mapped there after Zeto exits, until each of them
; next gets a message. A mapped file cannot be deleted or overwritten, but it
; can be renamed: so the old Tapwire.dll is renamed to Tapwire.dll.old-<n>
; and the new one takes its name. Zeto deletes such copies beside itself at
; its next start (ui/TapwireLeftovers.h holds the names and the rule); after
; an uninstall a RunOnce command deletes them at the user's next logon, since
; a per-user setup cannot delete at reboot.
;
; Call SetTapwireAside (un.SetTapwireAside) after CloseZeto, before any file
; is written or removed; un.DeleteTapwireAsideLater at the end of uninstalling.

; The names' start, read from the header of the code that deletes them.
!searchparse /file "${__FILEDIR__}/../ui/TapwireLeftovers.h" 'TAPWIRE_ASIDE_PREFIX[] = L"' TAPWIRE_ASIDE '"'

!macro TAPWIRE_ASIDE_FUNCTIONS un
; Deletes the old Tapwire.dll, or renames it to the first free
; Tapwire.dll.old-<n> when it is still mapped. Copies set aside before and no
; longer mapped are deleted first. Cancels the setup, with nothing changed,
; when even the rename fails (a program holds the file open without sharing).
Function ${un}SetTapwireAside
    Push $0
    Delete "$INSTDIR\${TAPWIRE_ASIDE}*"
    IfFileExists "$INSTDIR\Tapwire.dll" 0 done
    Delete "$INSTDIR\Tapwire.dll"
    IfFileExists "$INSTDIR\Tapwire.dll" 0 done
    StrCpy $0 1
    free:
        IfFileExists "$INSTDIR\${TAPWIRE_ASIDE}$0" 0 rename
        IntOp $0 $0 + 1
        Goto free
    rename:
    ClearErrors
    Rename "$INSTDIR\Tapwire.dll" "$INSTDIR\${TAPWIRE_ASIDE}$0"
    IfErrors 0 renamed
    MessageBox MB_OK|MB_ICONSTOP \
        "Tapwire.dll in $INSTDIR is in use by another program and cannot be replaced.$\r$\n$\r$\nClose the programs you used with Wordlumo and run this again." \
        /SD IDOK
    DetailPrint "Tapwire.dll is in use: nothing was changed."
    SetErrorLevel 2
    Quit
    renamed:
    DetailPrint "Tapwire.dll is still in use elsewhere: set aside as ${TAPWIRE_ASIDE}$0"
    done:
    Pop $0
FunctionEnd
!macroend

!macro TAPWIRE_ASIDE_LATER_FUNCTION
; Copies still mapped when the uninstaller ends: a RunOnce command deletes
; them at the user's next logon, and then the folder if nothing else is in it.
Function un.DeleteTapwireAsideLater
    Delete "$INSTDIR\${TAPWIRE_ASIDE}*"
    IfFileExists "$INSTDIR\${TAPWIRE_ASIDE}*" 0 done
    WriteRegStr HKCU "${RUNONCE_KEY}" "${PRODUCT}" \
        '"$SYSDIR\cmd.exe" /c del /f /q "$INSTDIR\${TAPWIRE_ASIDE}*" & rmdir "$INSTDIR"'
    done:
FunctionEnd
!macroend
