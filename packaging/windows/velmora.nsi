; The Windows installer: velmora.exe and its help page in Program Files, a Start-menu entry and
; an uninstaller, in Simplified Chinese.
; makensis -DEXE=path\to\velmora.exe -DHELP=path\to\help.html -DOUT=velmora-1.4-setup.exe
Unicode true
Target amd64-unicode ; a 64-bit installer, like the program it installs
!include "MUI2.nsh"

Name "Velmora"
OutFile "${OUT}"
InstallDir "$PROGRAMFILES64\Velmora"
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmora"

Section "Velmora"
  SetOutPath "$INSTDIR"
  File "${EXE}"
  File "${HELP}"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  SetShellVarContext all
  CreateDirectory "$SMPROGRAMS\Velmora"
  CreateShortcut "$SMPROGRAMS\Velmora\Velmora.lnk" "$INSTDIR\velmora.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Velmora"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "1.4"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  Delete "$SMPROGRAMS\Velmora\Velmora.lnk"
  RMDir "$SMPROGRAMS\Velmora"
  Delete "$INSTDIR\velmora.exe"
  Delete "$INSTDIR\help.html"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
