; The installer's choice between "pour moi seulement" and "pour tous les
; utilisateurs": its page, its switches, and what it does about an
; installation of the other kind already there.
;
; Silently (/S): /CurrentUser or /AllUsers chooses; /S alone installs for all
; users, as the installer always did. An installation for all users is never
; doubled by one for the current user: /S /CurrentUser then changes nothing
; and ends with code 2. An installation for all users replaces the current
; user's own one, which is uninstalled once the new one is in place.

!include "nsDialogs.nsh"
!include /CHARSET=UTF8 "InstallKind.nsh"

Var DirFromSwitch ; the folder /D= gave, "" when none
Var ReplacedFolder ; the current user's own installation that an all-users one replaces
Var KindPage.CurrentUser
Var KindPage.AllUsers

; Called first by .onInit.
Function ChooseKindAtStart
  StrCpy $DirFromSwitch $INSTDIR
  Call ReadSwitches
  Pop $0
  ${If} $0 == 0
    MessageBox MB_OK|MB_ICONSTOP "Choisissez /CurrentUser ou /AllUsers, pas les deux." /SD IDOK
    SetErrorLevel ${EXIT_REFUSED}
    Quit
  ${EndIf}
  ${If} $KindFromSwitch != 1
    !insertmacro ReadInstalledFolder $0 AllUsers
    !insertmacro ReadInstalledFolder $1 CurrentUser
    ${If} ${Silent} ; as the installer always did
      StrCpy $Kind AllUsers
    ${ElseIf} $0 != "" ; offer the kind already there
    ${AndIf} $1 == ""
      StrCpy $Kind AllUsers
    ${Else}
      StrCpy $Kind CurrentUser
    ${EndIf}
  ${EndIf}
  Call UseKindAndFolder
  ${If} ${Silent}
    Call CheckOtherKind
    Call ElevateWhenNeeded
  ${EndIf}
FunctionEnd

; The shell folders of $Kind, and $INSTDIR: the folder /D= gave, else the one
; of the installation of this kind already there, else the kind's own.
Function UseKindAndFolder
  Call UseKind
  ${If} $DirFromSwitch != ""
    StrCpy $INSTDIR $DirFromSwitch
    Return
  ${EndIf}
  !insertmacro ReadInstalledFolder $0 $Kind
  ${If} $0 != ""
    StrCpy $INSTDIR $0
  ${Else}
    Call DefaultFolder
    Pop $INSTDIR
  ${EndIf}
FunctionEnd

; The default folder of $Kind, on the stack.
Function DefaultFolder
  ${If} $Kind == AllUsers
    Push "$PROGRAMFILES64\${INSTALL_FOLDER}"
    Return
  ${EndIf}
  Push $0
  GetKnownFolderPath $0 {5CD7AEE2-2219-4A67-B85D-6C9CE15660CB} ; the user's own programs
  ${If} $0 == ""
    StrCpy $0 "$LOCALAPPDATA\Programs"
  ${EndIf}
  StrCpy $0 "$0\${INSTALL_FOLDER}"
  Exch $0
FunctionEnd

; An installation of the other kind is named to the user, never silently
; doubled. Aborts (back to the page) when the user does not go on.
Function CheckOtherKind
  StrCpy $ReplacedFolder ""
  ${If} $Kind == CurrentUser
    !insertmacro ReadInstalledFolder $0 AllUsers
    ${If} $0 != ""
      ${If} ${Silent}
        SetErrorLevel ${EXIT_REFUSED}
        Quit
      ${EndIf}
      MessageBox MB_YESNO|MB_ICONEXCLAMATION|MB_DEFBUTTON2 \
          "${PRODUCT} est déjà installé pour tous les utilisateurs de cet ordinateur, dans « $0 ».$\r$\n$\r$\n\
          L'installer aussi pour vous seulement en ferait une seconde copie. Pour mettre à jour \
          celle qui est là, choisissez « pour tous les utilisateurs ».$\r$\n$\r$\n\
          Installer quand même une seconde copie, pour vous seulement ?" IDYES +2
      Abort
    ${EndIf}
  ${ElseIf} $Elevated != 1 ; the copy that asked for the rights has seen to it
    !insertmacro ReadInstalledFolder $0 CurrentUser
    ${If} $0 != ""
      MessageBox MB_OKCANCEL|MB_ICONINFORMATION \
          "${PRODUCT} est déjà installé pour vous seulement, dans « $0 ».$\r$\n$\r$\n\
          Installé pour tous les utilisateurs, il remplacera cette installation-là, \
          qui sera désinstallée." /SD IDOK IDOK +2
      Abort
      StrCpy $ReplacedFolder $0
    ${EndIf}
  ${EndIf}
FunctionEnd

; For all users without administrator rights: this copy starts itself again
; with them, waits, and ends with that copy's exit code. When the user refuses
; the rights, the page stays (or, silently, the installer ends with code 1).
Function ElevateWhenNeeded
  !insertmacro ReadIsAdmin $0
  ${If} $Kind != AllUsers
  ${OrIf} $0 == 1
  ${OrIf} $Elevated == 1
    Return
  ${EndIf}
  StrCpy $0 "/AllUsers /Elevated"
  ${If} ${Silent}
    StrCpy $0 "/S $0"
  ${EndIf}
  ${If} $DirFromSwitch != ""
    StrCpy $0 "$0 /D=$DirFromSwitch" ; /D= comes last
  ${EndIf}
  HideWindow
  Push $0
  Call RunElevated
  Pop $0
  ${If} $0 == ${ERROR_CANCELLED}
    ${If} ${Silent}
      SetErrorLevel ${EXIT_CANCELLED}
      Quit
    ${EndIf}
    ShowWindow $HWNDPARENT ${SW_SHOW}
    BringToFront
    MessageBox MB_OK|MB_ICONEXCLAMATION \
        "Sans les droits d'administrateur, ${PRODUCT} ne peut être installé que pour vous seulement."
    Abort
  ${EndIf}
  ${If} $0 == 0
    Call RemoveReplacedInstallation
  ${EndIf}
  SetErrorLevel $0
  Quit
FunctionEnd

; Once installed for all users: the current user's own installation goes,
; by its own uninstaller. When both were in the same folder, the files now
; belong to the new installation and only the user's entries go.
Function RemoveReplacedInstallation
  ${If} $ReplacedFolder == ""
    Return
  ${EndIf}
  ReadRegStr $0 HKLM "${UNINST_KEY}" "InstallLocation"
  SetShellVarContext current
  ${If} $0 == $ReplacedFolder
    DeleteRegKey HKCU "${UNINST_KEY}"
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    Delete "$DESKTOP\${PRODUCT}.lnk"
  ${ElseIf} ${FileExists} "$ReplacedFolder\${UNINSTALLER}"
    ; _?= runs it in place and waits for it; it cannot delete itself then.
    ExecWait '"$ReplacedFolder\${UNINSTALLER}" /S /CurrentUser _?=$ReplacedFolder'
    Delete "$ReplacedFolder\${UNINSTALLER}"
    RMDir "$ReplacedFolder"
    RMDir "$LOCALAPPDATA\Programs" ; only when empty, as the uninstaller would have
  ${EndIf}
  Call UseKind
FunctionEnd

; The page ----------------------------------------------------------------

Function KindPageCreate
  ${If} $Elevated == 1 ; chosen already, in the copy that asked for the rights
    Abort
  ${EndIf}
  Call ShowCaption
  !insertmacro MUI_HEADER_TEXT "Pour qui installer ${PRODUCT} ?" \
      "Pour vous seulement, ou pour tous les utilisateurs de cet ordinateur."
  nsDialogs::Create 1018
  Pop $0
  ${NSD_CreateLabel} 0 0 100% 10u "Installer ${PRODUCT} :"
  Pop $0
  ${NSD_CreateRadioButton} 10u 16u -10u 10u "pour moi seulement"
  Pop $KindPage.CurrentUser
  StrCpy $1 $Kind
  StrCpy $Kind CurrentUser
  Call DefaultFolder
  Pop $0
  ${NSD_CreateLabel} 22u 28u -22u 20u \
      "Sans droits d'administrateur, dans « $0 ». Les autres utilisateurs ne le verront pas."
  Pop $0
  ${NSD_CreateRadioButton} 10u 54u -10u 10u "pour tous les utilisateurs"
  Pop $KindPage.AllUsers
  StrCpy $Kind AllUsers
  Call DefaultFolder
  Pop $0
  StrCpy $Kind $1
  !insertmacro ReadIsAdmin $1
  ${If} $1 != 1
    StrCpy $0 "Dans « $0 ». Windows demandera les droits d'administrateur."
  ${Else}
    StrCpy $0 "Dans « $0 »."
  ${EndIf}
  ${NSD_CreateLabel} 22u 66u -22u 20u $0
  Pop $0
  ${If} $Kind == AllUsers
    ${NSD_Check} $KindPage.AllUsers
  ${Else}
    ${NSD_Check} $KindPage.CurrentUser
  ${EndIf}
  ${NSD_OnClick} $KindPage.CurrentUser KindPageShowShield
  ${NSD_OnClick} $KindPage.AllUsers KindPageShowShield
  Push $0
  Call KindPageShowShield
  nsDialogs::Show
FunctionEnd

; The shield on "Suivant" tells that Windows will ask for administrator rights.
Function KindPageShowShield
  Pop $0 ; the clicked button
  ${NSD_GetState} $KindPage.AllUsers $0
  !insertmacro ReadIsAdmin $1
  ${If} $0 == ${BST_CHECKED}
  ${AndIf} $1 != 1
    StrCpy $0 1
  ${Else}
    StrCpy $0 0
  ${EndIf}
  GetDlgItem $1 $HWNDPARENT 1
  SendMessage $1 ${BCM_SETSHIELD} 0 $0
FunctionEnd

Function KindPageLeave
  ${NSD_GetState} $KindPage.AllUsers $0
  ${If} $0 == ${BST_CHECKED}
    StrCpy $Kind AllUsers
  ${Else}
    StrCpy $Kind CurrentUser
  ${EndIf}
  Call UseKindAndFolder
  Call CheckOtherKind
  GetDlgItem $1 $HWNDPARENT 1
  SendMessage $1 ${BCM_SETSHIELD} 0 0
  Call ElevateWhenNeeded
FunctionEnd
