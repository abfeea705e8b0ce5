; For whom Sixpointe is installed, shared by the installer and its uninstaller.
;
; CurrentUser: no administrator rights; the user's own programs folder
; (%LOCALAPPDATA%\Programs), Start menu and uninstall entry (HKCU).
; AllUsers: Program Files, the common Start menu and HKLM. A copy of the
; installer started without administrator rights starts itself again with them
; (/Elevated) and waits for that copy, so that Windows asks only when needed.
;
; Needs UNINST_KEY, UNINSTALLER and PRODUCT defined first.

!include "LogicLib.nsh"
!include "FileFunc.nsh"
!include "WinMessages.nsh"

!define SEE_MASK_NOCLOSEPROCESS 0x40
!define ERROR_CANCELLED 1223
; Exit codes, as NSIS gives them: cancelled by the user, stopped by the script.
!define EXIT_CANCELLED 1
!define EXIT_REFUSED 2

Var Kind ; CurrentUser or AllUsers
Var KindFromSwitch ; 1 when /CurrentUser or /AllUsers chose it
Var Elevated ; 1 in the copy started again with administrator rights

; OUT = the folder of the installation of KIND already there, "" when none.
!macro ReadInstalledFolder OUT KIND
  ${If} ${KIND} == AllUsers
    ReadRegStr ${OUT} HKLM "${UNINST_KEY}" "InstallLocation"
  ${Else}
    ReadRegStr ${OUT} HKCU "${UNINST_KEY}" "InstallLocation"
  ${EndIf}
!macroend

; OUT = 1 when this process has administrator rights. Under UAC an
; administrator's process that was not elevated has them only as "deny", and
; IsUserAnAdmin (a token membership check) answers 0 for it.
!macro ReadIsAdmin OUT
  System::Call 'shell32::IsUserAnAdmin() i .s'
  Pop ${OUT}
  ${If} ${OUT} != 0
    StrCpy ${OUT} 1
  ${EndIf}
!macroend

; Reads /CurrentUser, /AllUsers and /Elevated from the command line. Sets
; $KindFromSwitch; returns 0 when both kinds were asked for.
!macro ReadSwitchesFunction UN
Function ${UN}ReadSwitches
  Push $0
  Push $1
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/Elevated" $1
  ${IfNot} ${Errors}
    StrCpy $Elevated 1
  ${EndIf}
  ClearErrors
  ${GetOptions} $0 "/AllUsers" $1
  ${IfNot} ${Errors}
    StrCpy $Kind AllUsers
    StrCpy $KindFromSwitch 1
  ${EndIf}
  ClearErrors
  ${GetOptions} $0 "/CurrentUser" $1
  ${IfNot} ${Errors}
    ${If} $KindFromSwitch == 1
      StrCpy $1 0
    ${Else}
      StrCpy $1 1
    ${EndIf}
    StrCpy $Kind CurrentUser
    StrCpy $KindFromSwitch 1
  ${Else}
    StrCpy $1 1
  ${EndIf}
  Pop $0
  Exch $1
FunctionEnd
!macroend
!insertmacro ReadSwitchesFunction ""
!insertmacro ReadSwitchesFunction "un."

; $Kind decides where the shell folders ($SMPROGRAMS, $DESKTOP, $LOCALAPPDATA)
; and SHCTX point.
!macro UseKindFunction UN
Function ${UN}UseKind
  ${If} $Kind == AllUsers
    SetShellVarContext all
  ${Else}
    SetShellVarContext current
  ${EndIf}
FunctionEnd
!macroend
!insertmacro UseKindFunction ""
!insertmacro UseKindFunction "un."

; Runs this program again with administrator rights (Windows asks the user),
; with the parameters on the stack, and waits for it. Leaves its exit code on
; the stack, or ERROR_CANCELLED when it could not start (the user refused).
!macro RunElevatedFunction UN
Function ${UN}RunElevated
  Exch $0 ; parameters
  Push $1
  Push $2
  Push $3
  ; SHELLEXECUTEINFOW, 64-bit layout: 112 bytes, hProcess at the end.
  System::Call '*(i 112, i ${SEE_MASK_NOCLOSEPROCESS}, p $HWNDPARENT, w "runas", w "$EXEPATH", \
      w r0, w "$EXEDIR", i ${SW_SHOWNORMAL}, i 0, p 0, p 0, p 0, p 0, i 0, i 0, p 0, p 0) p .r1'
  System::Call 'shell32::ShellExecuteExW(p r1) i .r2'
  ${If} $2 == 0
    StrCpy $0 ${ERROR_CANCELLED}
  ${Else}
    System::Call '*$1(i, i, p, p, p, p, p, i, i, p, p, p, p, i, i, p, p .r3)'
    System::Call 'kernel32::WaitForSingleObject(p r3, i -1)'
    System::Call 'kernel32::GetExitCodeProcess(p r3, *i .r0)'
    System::Call 'kernel32::CloseHandle(p r3)'
  ${EndIf}
  System::Free $1
  Pop $3
  Pop $2
  Pop $1
  Exch $0
FunctionEnd
!macroend
!insertmacro RunElevatedFunction ""
!insertmacro RunElevatedFunction "un."
