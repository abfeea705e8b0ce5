; A small program for format_size.py: writes, for each size in Ko on its
; command line, the text the installer shows for it, one per line (UTF-16).
; makensis -DOUT=program.exe -DKIND_DIR=cmake/packaging format_size.nsi

Unicode True
Target amd64-unicode
RequestExecutionLevel user
SilentInstall silent
OutFile "${OUT}"
Name "FormatSize"

!addincludedir "${KIND_DIR}"
!include "WordFunc.nsh"
!include /CHARSET=UTF8 "SpaceTexts.nsh"

Section
  ${GetParameters} $1
  ${WordFind} "$1" " " "#" $4 ; how many sizes: two at least
  FileOpen $3 "$EXEDIR\sizes.txt" w
  ${For} $5 1 $4
    ${WordFind} "$1" " " "+$5" $0
    Push $0
    Call FormatSize
    Pop $0
    FileWriteUTF16LE $3 "$0$\r$\n"
  ${Next}
  FileClose $3
SectionEnd
