; Velum's installer: the i686 program folder into Program Files, a Start menu folder and an
; uninstaller registered in Add or Remove Programs. Built by scripts/make-installer.sh:
;   makensis -DVERSION=1.10 -DPROGRAM_DIR=... -DSOURCE_DIR=... -DOUTFILE=... velum.nsi
; The uninstaller takes /REMOVESETTINGS to delete the user's settings without asking; a
; silent one (/S) keeps them otherwise.
Unicode true
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

!define UNINST_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Velum"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"

Name "Velum ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES\Velum"
InstallDirRegKey HKLM "Software\Velum" "InstallDir"
BrandingText "Velum ${VERSION}"
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1033 "ProductName" "Velum"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "Velum ${VERSION} Setup"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Velum"

!define MUI_ICON "${SOURCE_DIR}\res\enabled.ico"
!define MUI_UNICON "${SOURCE_DIR}\res\enabled.ico"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\velum.exe"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"

LangString KeepSettings ${LANG_ENGLISH} "Keep your Velum settings (the picture list, the display options and the hotkeys) for a later installation?$\r$\n$\r$\nChoose No to delete them."
LangString KeepSettings ${LANG_GERMAN} "Ihre Velum-Einstellungen (Bilderliste, Anzeigeoptionen und Tastenkombinationen) für eine spätere Installation behalten?$\r$\n$\r$\nWählen Sie Nein, um sie zu löschen."
LangString ShortcutHelp ${LANG_ENGLISH} "Velum Help"
LangString ShortcutHelp ${LANG_GERMAN} "Velum-Hilfe"
LangString ShortcutUninstall ${LANG_ENGLISH} "Uninstall Velum"
LangString ShortcutUninstall ${LANG_GERMAN} "Velum entfernen"

Var RunValue

; Ends a running Velum with "velum.exe -u" (which also removes its start with Windows) and
; waits until its process has gone, so that its files are free. The window is looked up
; first: once -u has ended the program there is nothing left to find.
!macro END_VELUM un
Function ${un}EndVelum
  StrCpy $1 0
  System::Call 'user32::FindWindowW(w "#32770", w "Velum") p .r0'
  ${If} $0 <> 0
    System::Call 'user32::GetWindowThreadProcessId(p r0, *i .r2)'
    ; SYNCHRONIZE
    System::Call 'kernel32::OpenProcess(i 0x00100000, i 0, i r2) p .r1'
  ${EndIf}
  ${If} ${FileExists} "$INSTDIR\velum.exe"
    DetailPrint "velum.exe -u"
    ExecWait '"$INSTDIR\velum.exe" -u'
  ${EndIf}
  ${If} $1 <> 0
    System::Call 'kernel32::WaitForSingleObject(p r1, i 30000) i .r3'
    System::Call 'kernel32::CloseHandle(p r1)'
  ${EndIf}
FunctionEnd
!macroend
!insertmacro END_VELUM ""
!insertmacro END_VELUM "un."

Section "Velum"
  SetShellVarContext all
  ; An update keeps the user's start with Windows, which "-u" removes.
  ReadRegStr $RunValue HKLM "${RUN_KEY}" "Velum"
  Call EndVelum

  SetOutPath "$INSTDIR"
  File "${PROGRAM_DIR}\velum.exe"
  File "${PROGRAM_DIR}\tg.dll"
  File "${PROGRAM_DIR}\velum-tool.exe"
  File "${PROGRAM_DIR}\vm.chm"
  SetOutPath "$INSTDIR\language"
  File "${PROGRAM_DIR}\language\vm*.lng"
  SetOutPath "$INSTDIR"

  ${If} $RunValue != ""
    WriteRegStr HKLM "${RUN_KEY}" "Velum" '"$INSTDIR\velum.exe" -r'
  ${EndIf}

  CreateDirectory "$SMPROGRAMS\Velum"
  CreateShortcut "$SMPROGRAMS\Velum\Velum.lnk" "$INSTDIR\velum.exe"
  CreateShortcut "$SMPROGRAMS\Velum\$(ShortcutHelp).lnk" "$INSTDIR\vm.chm"
  CreateShortcut "$SMPROGRAMS\Velum\$(ShortcutUninstall).lnk" "$INSTDIR\uninstall.exe"

  WriteUninstaller "$INSTDIR\uninstall.exe"
  WriteRegStr HKLM "Software\Velum" "InstallDir" "$INSTDIR"
  WriteRegStr HKLM "${UNINST_KEY}" "DisplayName" "Velum"
  WriteRegStr HKLM "${UNINST_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINST_KEY}" "Publisher" "Velum"
  WriteRegStr HKLM "${UNINST_KEY}" "DisplayIcon" "$INSTDIR\velum.exe,0"
  WriteRegStr HKLM "${UNINST_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINST_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINST_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINST_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINST_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  IntFmt $0 "0x%08X" $0
  WriteRegDWORD HKLM "${UNINST_KEY}" "EstimatedSize" "$0"
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  Call un.EndVelum
  ; Also when velum.exe was already gone.
  DeleteRegValue HKLM "${RUN_KEY}" "Velum"

  Delete /REBOOTOK "$INSTDIR\velum.exe"
  Delete /REBOOTOK "$INSTDIR\tg.dll"
  Delete "$INSTDIR\velum-tool.exe"
  Delete "$INSTDIR\vm.chm"
  Delete "$INSTDIR\language\vm*.lng"
  RMDir "$INSTDIR\language"
  Delete "$SMPROGRAMS\Velum\Velum.lnk"
  Delete "$SMPROGRAMS\Velum\$(ShortcutHelp).lnk"
  Delete "$SMPROGRAMS\Velum\$(ShortcutUninstall).lnk"
  RMDir "$SMPROGRAMS\Velum"
  DeleteRegKey HKLM "${UNINST_KEY}"
  DeleteRegKey HKLM "Software\Velum"

  ; The settings of the user who uninstalls: %APPDATA%\Velum\vm.dat, or velum.dat beside
  ; velum.exe where that folder could not be made. Kept unless the user says otherwise.
  ${un.GetParameters} $0
  ClearErrors
  ${un.GetOptions} $0 "/REMOVESETTINGS" $1
  ${If} ${Errors}
    MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON1 "$(KeepSettings)" /SD IDYES IDYES settings_kept
  ${EndIf}
  SetShellVarContext current
  Delete "$APPDATA\Velum\vm.dat"
  RMDir "$APPDATA\Velum"
  SetShellVarContext all
  Delete "$INSTDIR\velum.dat"
settings_kept:

  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
SectionEnd
