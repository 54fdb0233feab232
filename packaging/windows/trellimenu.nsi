; The Windows installer: the folder deploy.ps1 made, a Start menu entry, the
; .tmz project type opening in the editor, and an uninstaller. Per user, so it
; needs no administrator rights.
;
;   makensis /DSOURCE=%CD%\dist\Trellimenu /DVERSION=1.0.0 packaging\windows\trellimenu.nsi

Unicode true
!ifndef SOURCE
  !define SOURCE "dist\Trellimenu"
!endif
!ifndef VERSION
  !define VERSION "1.0.0"
!endif
!define PRODUCT "Trellimenu"
!define PROGID "Trellimenu.Project"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"

Name "${PRODUCT}"
OutFile "Trellimenu-${VERSION}-setup.exe"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "Software\Varn\${PRODUCT}" "InstallDir"
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Section "Trellimenu"
  SetOutPath "$INSTDIR"
  File /r "${SOURCE}\*.*"
  WriteRegStr HKCU "Software\Varn\${PRODUCT}" "InstallDir" "$INSTDIR"

  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\trellimenu.exe"

  ; The project type, for the current user: opened by the editor, with its icon.
  WriteRegStr HKCU "Software\Classes\.tmz" "" "${PROGID}"
  WriteRegStr HKCU "Software\Classes\${PROGID}" "" "Trellimenu project"
  WriteRegStr HKCU "Software\Classes\${PROGID}\DefaultIcon" "" "$INSTDIR\trellimenu.exe,0"
  WriteRegStr HKCU "Software\Classes\${PROGID}\shell\open\command" "" '"$INSTDIR\trellimenu.exe" "%1"'
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

  WriteUninstaller "$INSTDIR\uninstall.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "The Trellimenu authors"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  ; The project type goes only while it is still ours.
  ReadRegStr $0 HKCU "Software\Classes\.tmz" ""
  StrCmp $0 "${PROGID}" 0 +2
    DeleteRegKey HKCU "Software\Classes\.tmz"
  DeleteRegKey HKCU "Software\Classes\${PROGID}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  DeleteRegKey HKCU "Software\Varn\${PRODUCT}"
  RMDir /r "$INSTDIR"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
