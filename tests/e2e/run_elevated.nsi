; A small program for run_elevated.py: without /Elevated it starts itself again
; through RunElevated, the installer's way to ask Windows for administrator
; rights, and ends with the exit code that copy ended with; the copy ends with
; the code its /Code= switch names.
; makensis -DOUT=program.exe -DKIND_DIR=cmake/packaging run_elevated.nsi

Unicode True
Target amd64-unicode
RequestExecutionLevel user
SilentInstall silent
OutFile "${OUT}"
Name "RunElevated"

!define PRODUCT "RunElevated"
!define UNINSTALLER "uninstall.exe"
!define UNINST_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!addincludedir "${KIND_DIR}"
!include /CHARSET=UTF8 "InstallKind.nsh"

Section
  Call ReadSwitches
  Pop $0
  ${GetParameters} $1
  ClearErrors
  ${GetOptions} $1 "/Code=" $2
  ${If} $Elevated == 1
    SetErrorLevel $2
    Quit
  ${EndIf}
  Push "/Elevated /Code=$2"
  Call RunElevated
  Pop $0
  SetErrorLevel $0
SectionEnd
