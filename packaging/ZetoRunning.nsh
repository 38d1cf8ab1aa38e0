; A running Zeto holds Zeto.exe and data.dat open: before the installer
; replaces them or the uninstaller removes them, Zeto is asked to exit as the
; user would ask it, through "E&xit" of its main window (a dialog of class
; "#32770" titled "Wordlumo"), so it saves its settings on the way. Every such
; window is asked, since a window does not tell which folder its Zeto came
; from. Waiting is bounded; a Zeto that will not go makes the setup ask
; Retry/Cancel, and /S cancels: nothing has been touched by then.
;
; Call CloseZeto (un.CloseZeto in the uninstaller) first in a section.

!define ZETO_CLASS "#32770"
!define ZETO_TITLE "Wordlumo"
!include "WinMessages.nsh"                 ; WM_COMMAND
; "E&xit"'s command number, read from Zeto's own resource header.
!searchparse /file "${__FILEDIR__}/../res/resource.h" "#define ID_EXIT " ID_EXIT_TEXT
!define /math ID_EXIT ${ID_EXIT_TEXT} + 0
!define ZETO_EXIT_WAIT_TENTHS 100         ; 10 s for Zeto to save and go

!macro ZETO_RUNNING_FUNCTIONS un
; Posts "E&xit" to every Zeto window; $0 becomes how many there were.
Function ${un}AskZetoToExit
    Push $1
    StrCpy $0 0
    StrCpy $1 0
    next:
        FindWindow $1 "${ZETO_CLASS}" "${ZETO_TITLE}" "" $1
        StrCmp $1 0 done
        System::Call 'user32::PostMessageW(p r1, i ${WM_COMMAND}, p ${ID_EXIT}, p 0)'
        IntOp $0 $0 + 1
        Goto next
    done:
    Pop $1
FunctionEnd

; $0 becomes 1 while this folder's Zeto.exe is still running: Windows will
; not open a running program's file for writing.
Function ${un}IsZetoExeInUse
    StrCpy $0 0
    IfFileExists "$INSTDIR\Zeto.exe" 0 done
    ClearErrors
    FileOpen $0 "$INSTDIR\Zeto.exe" a
    IfErrors busy
    FileClose $0
    StrCpy $0 0
    Goto done
    busy:
    StrCpy $0 1
    done:
FunctionEnd

Function ${un}CloseZeto
    Push $0
    Push $1
    retry:
    StrCpy $1 0
    wait:
        ; Asked again each time: a window that was still being created
        ; when asked before, or a Zeto just started, goes too.
        Call ${un}AskZetoToExit
        IntCmp $0 0 0 busy busy
        Call ${un}IsZetoExeInUse
        IntCmp $0 0 gone
        busy:
        IntCmp $1 ${ZETO_EXIT_WAIT_TENTHS} stuck
        Sleep 100
        IntOp $1 $1 + 1
        Goto wait
    stuck:
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
        "Wordlumo is still running and did not exit when asked.$\r$\n$\r$\nExit Wordlumo, then choose Retry; or choose Cancel to leave everything as it is." \
        /SD IDCANCEL IDRETRY retry
    DetailPrint "Wordlumo is still running: nothing was changed."
    SetErrorLevel 2
    Quit
    gone:
    Pop $1
    Pop $0
FunctionEnd
!macroend
