; The space needed and the space free, written as Windows writes sizes in
; French: three significant digits, cut rather than rounded, a decimal comma,
; and the next unit from 1000 of the smaller one on ("507 Ko", "22,0 Ko",
; "0,97 Mo" for 1000 Ko, "74,7 Go"). NSIS's own texts ("507.0 Ko") are turned
; off with SpaceTexts none, and these are written in their place on the
; components and folder pages.

!include "LogicLib.nsh"
!include "FileFunc.nsh"

; Size in Ko on the stack (a decimal number, 64 bits allowed) -> its text.
Function FormatSize
  Exch $0
  Push $1
  Push $2
  ${If} $0 == 0
    StrCpy $0 "0 octets"
    Goto done
  ${EndIf}
  System::Int64Op $0 * 100
  Pop $0 ; in hundredths of the unit
  StrCpy $2 "Ko"
  ${Do}
    System::Int64Op $0 < 100000
    Pop $1
    ${If} $1 == 1
    ${OrIf} $2 == "Po"
      ${ExitDo}
    ${EndIf}
    System::Int64Op $0 / 1024
    Pop $0
    ${If} $2 == "Ko"
      StrCpy $2 "Mo"
    ${ElseIf} $2 == "Mo"
      StrCpy $2 "Go"
    ${ElseIf} $2 == "Go"
      StrCpy $2 "To"
    ${Else}
      StrCpy $2 "Po"
    ${EndIf}
  ${Loop}
  System::Int64Op $0 / 100
  Pop $1 ; the whole part
  ${If} $0 < 1000
    IntOp $0 $0 % 100
    IntFmt $0 "%02d" $0
    StrCpy $0 "$1,$0 $2"
  ${ElseIf} $0 < 10000
    IntOp $0 $0 / 10
    IntOp $0 $0 % 10
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
