; The space needed and the space free, written as Windows writes sizes in
; French: "508 Ko", "1,46 Mo", "12,3 Go" (three significant digits, a decimal
; comma). NSIS's own texts ("508.0 Ko") are turned off with SpaceTexts none,
; and these are written in their place on the components and folder pages.

!include "LogicLib.nsh"
!include "FileFunc.nsh"

; Size in Ko on the stack (a decimal number, 64 bits allowed) -> its text.
Function FormatSize
  Exch $0
  Push $1
  Push $2
  System::Int64Op $0 < 1024
  Pop $1
  ${If} $1 == 1
    StrCpy $0 "$0 Ko"
    Goto done
  ${EndIf}
  ; In hundredths of the unit, moving up a unit while there are 1024 of them.
  System::Int64Op $0 * 100
  Pop $0
  System::Int64Op $0 / 1024
  Pop $0
  StrCpy $2 "Mo"
  ${DoWhile} $2 != "To"
    System::Int64Op $0 < 102400
    Pop $1
    ${IfThen} $1 == 1 ${|} ${ExitDo} ${|}
    System::Int64Op $0 / 1024
    Pop $0
    ${If} $2 == "Mo"
      StrCpy $2 "Go"
    ${Else}
      StrCpy $2 "To"
    ${EndIf}
  ${Loop}
  System::Int64Op $0 / 100
  Pop $1 ; the whole part
  System::Int64Op $0 % 100
  Pop $0 ; the hundredths
  ${If} $1 < 10
    IntFmt $0 "%02d" $0
    StrCpy $0 "$1,$0 $2"
  ${ElseIf} $1 < 100
    IntOp $0 $0 / 10
    StrCpy $0 "$1,$0 $2"
  ${Else}
    StrCpy $0 "$1 $2"
  ${EndIf}
done:
  Pop $2
  Pop $1
  Exch $0
FunctionEnd

; The Ko that the selected sections need, on the stack.
Function RequiredSpace
  Push $0 ; total
  Push $1 ; section
  Push $2
  StrCpy $0 0
  StrCpy $1 0
  ${Do}
    ClearErrors
    SectionGetFlags $1 $2
    ${IfThen} ${Errors} ${|} ${ExitDo} ${|}
    IntOp $2 $2 & ${SF_SELECTED}
    ${If} $2 <> 0
      SectionGetSize $1 $2
      IntOp $0 $0 + $2
    ${EndIf}
    IntOp $1 $1 + 1
  ${Loop}
  Pop $2
  Pop $1
  Exch $0
FunctionEnd

; "Espace requis : 508 Ko" in the label given on the stack.
Function ShowRequiredSpace
  Exch $0
  Push $1
  Call RequiredSpace
  Call FormatSize
  Pop $1
  SendMessage $0 ${WM_SETTEXT} 0 "STR:Espace requis : $1"
  Pop $1
  Pop $0
FunctionEnd

; "Espace disponible : 12,3 Go" on the drive of $INSTDIR, in the label given
; on the stack; empty when the drive cannot tell.
Function ShowFreeSpace
  Exch $0
  Push $1
  Push $2
  ${GetRoot} $INSTDIR $1
  System::Call 'kernel32::GetDiskFreeSpaceExW(w "$1\", *l .r1, p 0, p 0) i .r2'
  ${If} $2 == 0
    SendMessage $0 ${WM_SETTEXT} 0 "STR:"
  ${Else}
    System::Int64Op $1 / 1024
    Call FormatSize
    Pop $1
    SendMessage $0 ${WM_SETTEXT} 0 "STR:Espace disponible : $1"
  ${EndIf}
  Pop $2
  Pop $1
  Pop $0
FunctionEnd
