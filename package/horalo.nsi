; The Windows installer of Horalo, made with makensis:
;   makensis -DPROGRAM_DIR=<program folder> -DSOURCE_DIR=<repository>
;            -DVERSION=<x.y.z> -DOUTFILE=<setup.exe> horalo.nsi
; It installs for the current user alone, without administrator rights,
; into a folder the user may write: Horalo keeps its time log beside itself.
; An update keeps the time log, the special days and the form, and leaves a
; running Horalo recording; the new version takes over at its next start.
;
; Command line: /S silent; /LANGUAGE=en|de the program's language (without
; it, the language chosen in the first dialog, or the user's own when
; silent); /D=<folder> the program folder. The uninstaller takes /S and
; /REMOVEDATA (also remove the time log, special days, form and settings).

; The program is 64-bit, and so is its installer.
Target amd64-unicode
!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include WinMessages.nsh

!define APP_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Horalo"
!define SETTINGS_KEY "Software\Pellwick\HORALO"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define RUN_VALUE "PW Horalo"
!define MAIN_DIALOG_PROPERTY "Horalo.MainDialog"
!define QUIT_REQUEST 0x054D

Name "Horalo"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\Horalo"
InstallDirRegKey HKCU "${APP_KEY}" "InstallLocation"
SetCompressor /SOLID lzma
BrandingText "Horalo ${VERSION}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "Horalo"
VIAddVersionKey /LANG=1033 "CompanyName" "Pellwick"
VIAddVersionKey /LANG=1033 "FileDescription" "Horalo setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) Pellwick"

!define MUI_ICON "${SOURCE_DIR}\res\horalo.ico"
!define MUI_UNICON "${SOURCE_DIR}\res\horalo.ico"
!define MUI_ABORTWARNING
!define MUI_LANGDLL_ALLLANGUAGES
!define MUI_LANGDLL_ALWAYSSHOW
!define MUI_LANGDLL_REGISTRY_ROOT HKCU
!define MUI_LANGDLL_REGISTRY_KEY "${APP_KEY}"
!define MUI_LANGDLL_REGISTRY_VALUENAME "Language"
!define MUI_COMPONENTSPAGE_NODESC

!define MUI_PAGE_CUSTOMFUNCTION_LEAVE CheckFolderIsWritable
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\horalo.exe"
!define MUI_FINISHPAGE_RUN_TEXT "$(StartNow)"
!define MUI_PAGE_CUSTOMFUNCTION_SHOW FinishPageShow
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!define MUI_PAGE_HEADER_TEXT "$(KeepHeader)"
!define MUI_PAGE_HEADER_SUBTEXT "$(KeepSubtext)"
!define MUI_COMPONENTSPAGE_TEXT_TOP "$(KeepTop)"
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_RESERVEFILE_LANGDLL

LangString StartNow ${LANG_ENGLISH} "Start Horalo now (records the start of work)"
LangString StartNow ${LANG_GERMAN} "Horalo jetzt starten (erfasst den Arbeitsbeginn)"
LangString NotWritable ${LANG_ENGLISH} "Horalo cannot be installed in$\r$\n$INSTDIR$\r$\n$\r$\nHoralo keeps your time log in its program folder, so it needs a folder you may write to. Please choose a folder of your own, for example the one suggested."
LangString NotWritable ${LANG_GERMAN} "Horalo kann nicht installiert werden in$\r$\n$INSTDIR$\r$\n$\r$\nHoralo führt Ihr Zeitprotokoll in seinem Programmordner und braucht daher einen Ordner, in den Sie schreiben dürfen. Bitte wählen Sie einen eigenen Ordner, zum Beispiel den vorgeschlagenen."
LangString StillRunning ${LANG_ENGLISH} "Horalo is still running and did not end when asked.$\r$\n$\r$\nPlease end Horalo (right-click its icon in the notification area), then click Retry."
LangString StillRunning ${LANG_GERMAN} "Horalo läuft noch und hat sich auf Anfrage nicht beendet.$\r$\n$\r$\nBitte beenden Sie Horalo (Rechtsklick auf das Symbol im Infobereich) und klicken Sie dann auf Wiederholen."
LangString HelpLink ${LANG_ENGLISH} "Horalo Help"
LangString HelpLink ${LANG_GERMAN} "Horalo-Hilfe (englisch)"
LangString ProgramSection ${LANG_ENGLISH} "Horalo (program files, Start menu, start at logon)"
LangString ProgramSection ${LANG_GERMAN} "Horalo (Programmdateien, Startmenü, Start bei Anmeldung)"
LangString DataSection ${LANG_ENGLISH} "Also remove my time log and settings"
LangString DataSection ${LANG_GERMAN} "Auch Zeitprotokoll und Einstellungen entfernen"
LangString KeepHeader ${LANG_ENGLISH} "Your time log"
LangString KeepHeader ${LANG_GERMAN} "Ihr Zeitprotokoll"
LangString KeepSubtext ${LANG_ENGLISH} "Choose whether your recorded times stay on this computer."
LangString KeepSubtext ${LANG_GERMAN} "Wählen Sie, ob Ihre erfassten Zeiten auf diesem Computer bleiben."
LangString KeepTop ${LANG_ENGLISH} "Your time log horalo.log, your special days, the form and your settings stay in the program folder and the registry, so that a later installation goes on with them. Tick the second box to remove them too: your recorded times are then lost."
LangString KeepTop ${LANG_GERMAN} "Ihr Zeitprotokoll horalo.log, Ihre besonderen Tage, das Formular und Ihre Einstellungen bleiben im Programmordner und in der Registrierung, damit eine spätere Installation mit ihnen weiterarbeitet. Kreuzen Sie das zweite Kästchen an, um auch sie zu entfernen: Ihre erfassten Zeiten gehen dann verloren."

Var HoraloRunning

; Finds the main dialog of a running Horalo: $0 its window, or 0.
!macro FindRunningHoralo un
Function ${un}FindRunningHoralo
  FindWindow $0 "#32770" "Horalo"
  ${If} $0 <> 0
    System::Call 'user32::GetPropW(p r0, w "${MAIN_DIALOG_PROPERTY}") p .r1'
    ${If} $1 = 0
      StrCpy $0 0
    ${EndIf}
  ${EndIf}
FunctionEnd
!macroend
!insertmacro FindRunningHoralo ""
!insertmacro FindRunningHoralo "un."

; Asks a running Horalo to end with its private quit request, as its own
; tools do, so that it records the end of work, and waits for its process.
Function un.EndRunningHoralo
  retry:
  Call un.FindRunningHoralo
  ${If} $0 = 0
    Return
  ${EndIf}
  System::Call 'user32::GetWindowThreadProcessId(p r0, *i .r2)'
  System::Call 'kernel32::OpenProcess(i 0x00100000, i 0, i r2) p .r3'
  SendMessage $0 ${QUIT_REQUEST} 0 0 /TIMEOUT=5000
  ${If} $3 <> 0
    System::Call 'kernel32::WaitForSingleObject(p r3, i 15000) i .r4'
    System::Call 'kernel32::CloseHandle(p r3)'
  ${EndIf}
  IsWindow $0 0 done
  MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(StillRunning)" /SD IDCANCEL IDRETRY retry
  Abort
  done:
FunctionEnd

; An update leaves a running Horalo alone: ending it would record an end
; and a second start of work on the same day, which the time sheet refuses
; as out of order. Windows lets a file in use be renamed, so the files it
; runs from step aside and the new ones take effect at its next start.
!macro MoveAside file
  Delete "$INSTDIR\${file}.old"
  Rename "$INSTDIR\${file}" "$INSTDIR\${file}.old"
  Delete "$INSTDIR\${file}.old"
!macroend
Function MoveAsideFilesInUse
  !insertmacro MoveAside "horalo.exe"
  !insertmacro MoveAside "HoraloRDLL.dll"
  !insertmacro MoveAside "horalo-cli.exe"
FunctionEnd

Function FinishPageShow
  ${If} $HoraloRunning = 1
    SendMessage $mui.FinishPage.Run ${BM_SETCHECK} ${BST_UNCHECKED} 0
    ShowWindow $mui.FinishPage.Run ${SW_HIDE}
  ${EndIf}
FunctionEnd

Function .onInit
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/LANGUAGE=" $1
  ${IfNot} ${Errors}
    ${If} $1 == "de"
      StrCpy $LANGUAGE ${LANG_GERMAN}
    ${Else}
      StrCpy $LANGUAGE ${LANG_ENGLISH}
    ${EndIf}
  ${Else}
    !insertmacro MUI_LANGDLL_DISPLAY
  ${EndIf}
FunctionEnd

Function CheckFolderIsWritable
  ClearErrors
  CreateDirectory "$INSTDIR"
  FileOpen $0 "$INSTDIR\horalo-setup.tmp" w
  ${If} ${Errors}
    MessageBox MB_OK|MB_ICONEXCLAMATION "$(NotWritable)"
    Abort
  ${EndIf}
  FileClose $0
  Delete "$INSTDIR\horalo-setup.tmp"
  ; A folder made only for the test is not left behind if the user cancels.
  RMDir "$INSTDIR"
FunctionEnd

Section "$(ProgramSection)" SecProgram
  SectionIn RO
  Call FindRunningHoralo
  ${If} $0 <> 0
    StrCpy $HoraloRunning 1
  ${EndIf}
  Call MoveAsideFilesInUse
  SetOutPath "$INSTDIR"
  File "${PROGRAM_DIR}\horalo.exe"
  File "${PROGRAM_DIR}\horalo-cli.exe"
  File "${PROGRAM_DIR}\HORALO.CHM"
  ; The user's own: an update keeps the special days, and the form below.
  SetOverwrite off
  File "${PROGRAM_DIR}\horalo.spc"
  SetOverwrite on
  SetOutPath "$INSTDIR\languages\en"
  File "${PROGRAM_DIR}\languages\en\HoraloRDLL.dll"
  File "${PROGRAM_DIR}\languages\en\horalo.frm"
  SetOutPath "$INSTDIR\languages\de"
  File "${PROGRAM_DIR}\languages\de\HoraloRDLL.dll"
  File "${PROGRAM_DIR}\languages\de\horalo.frm"
  SetOutPath "$INSTDIR"
  StrCpy $0 "en"
  ${If} $LANGUAGE = ${LANG_GERMAN}
    StrCpy $0 "de"
  ${EndIf}
  CopyFiles /SILENT "$INSTDIR\languages\$0\HoraloRDLL.dll" "$INSTDIR"
  ${IfNot} ${FileExists} "$INSTDIR\horalo.frm"
    CopyFiles /SILENT "$INSTDIR\languages\$0\horalo.frm" "$INSTDIR"
  ${EndIf}

  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateDirectory "$SMPROGRAMS\Horalo"
  ; The program's own icon: the language library is replaced when the
  ; language changes, the program file stays.
  CreateShortcut "$SMPROGRAMS\Horalo\Horalo.lnk" "$INSTDIR\horalo.exe" "" "$INSTDIR\horalo.exe" 0
  CreateShortcut "$SMPROGRAMS\Horalo\$(HelpLink).lnk" "$INSTDIR\HORALO.CHM"

  WriteRegStr HKCU "${APP_KEY}" "DisplayName" "Horalo"
  WriteRegStr HKCU "${APP_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${APP_KEY}" "Publisher" "Pellwick"
  WriteRegStr HKCU "${APP_KEY}" "DisplayIcon" "$INSTDIR\horalo.exe,0"
  WriteRegStr HKCU "${APP_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${APP_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${APP_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${APP_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${APP_KEY}" "NoRepair" 1
  WriteRegStr HKCU "${APP_KEY}" "Language" "$LANGUAGE"
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${APP_KEY}" "EstimatedSize" "$0"

SectionEnd

Section "un.$(ProgramSection)" SecUnProgram
  SectionIn RO
  Call un.EndRunningHoralo
  Delete "$INSTDIR\horalo.exe"
  Delete "$INSTDIR\horalo-cli.exe"
  Delete "$INSTDIR\HORALO.CHM"
  Delete "$INSTDIR\HoraloRDLL.dll"
  Delete "$INSTDIR\*.old"
  RMDir /r "$INSTDIR\languages"
  Delete "$INSTDIR\uninstall.exe"
  Delete "$SMPROGRAMS\Horalo\*.lnk"
  RMDir "$SMPROGRAMS\Horalo"
  DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"
  DeleteRegKey HKCU "${APP_KEY}"
  RMDir "$INSTDIR"
SectionEnd

Section /o "un.$(DataSection)" SecUnData
  Delete "$INSTDIR\horalo.log"
  Delete "$INSTDIR\horalo_b.log"
  Delete "$INSTDIR\horalo.log.cut-*"
  Delete "$INSTDIR\horalo.spc"
  Delete "$INSTDIR\horalo.frm"
  ; Only the files Horalo kept there: anything else the user put in stays.
  Delete "$INSTDIR\backups\horalo.log.*.bak"
  Delete "$INSTDIR\backups\horalo.spc.*.bak"
  RMDir "$INSTDIR\backups"
  DeleteRegKey HKCU "${SETTINGS_KEY}"
  DeleteRegKey /ifempty HKCU "Software\Pellwick"
  RMDir "$INSTDIR"
SectionEnd

Function un.onInit
  !insertmacro MUI_UNGETLANGUAGE
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/REMOVEDATA" $1
  ${IfNot} ${Errors}
    SectionSetFlags ${SecUnData} ${SF_SELECTED}
  ${EndIf}
FunctionEnd
