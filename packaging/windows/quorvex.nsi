; The Windows installer: Quorvex.exe and the two Firefox preference sets in Program Files\Quorvex,
; a Start-menu shortcut and an uninstall entry for the machine. Silent with /S.
;
; makensis -DVERSION=<x.y.z> -DEXE=<Quorvex.exe> -DPREFERENCES=<folder of pipeline.js and
;          unpipeline.js> -DOUTFILE=<setup.exe> [-DICON=<quorvex.ico>] quorvex.nsi
; (packaging/make-installer.sh passes them.)

!macro QUORVEX_REQUIRE name
  !ifndef ${name}
    !error "makensis needs -D${name}=..."
  !endif
!macroend
!insertmacro QUORVEX_REQUIRE VERSION
!insertmacro QUORVEX_REQUIRE EXE
!insertmacro QUORVEX_REQUIRE PREFERENCES
!insertmacro QUORVEX_REQUIRE OUTFILE

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true
RequestExecutionLevel admin

!define PRODUCT "Quorvex"
!define PUBLISHER "Quorvex"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvex"
; The program's own saved settings; the tuning values and Firefox files are the user's, not ours.
!define SETTINGS_KEY "Software\Quorvex"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} ${VERSION} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${PUBLISHER}"

!include "MUI2.nsh"

!ifdef ICON
  !define MUI_ICON "${ICON}"
  !define MUI_UNICON "${ICON}"
!endif
!define MUI_FINISHPAGE_RUN "$INSTDIR\Quorvex.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start ${PRODUCT}"

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Function .onInit
  ; A 64-bit program: the 64-bit registry view and the machine-wide Start menu.
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Section "${PRODUCT}" SectionProgram
  SectionIn RO
  SetOutPath "$INSTDIR"
  File "/oname=Quorvex.exe" "${EXE}"
  File "/oname=pipeline.js" "${PREFERENCES}\pipeline.js"
  File "/oname=unpipeline.js" "${PREFERENCES}\unpipeline.js"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\Quorvex.exe" "" "$INSTDIR\Quorvex.exe" 0

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Quorvex.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ; In KB, as the control panel reads it.
  SectionGetSize ${SectionProgram} $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Function un.onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Section "Uninstall"
  ; Only what the installer put there: a folder that holds files of the user's stays.
  Delete "$INSTDIR\Quorvex.exe"
  Delete "$INSTDIR\pipeline.js"
  Delete "$INSTDIR\unpipeline.js"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"

  ; Silent uninstalls keep the settings: nothing of the user's is lost without being asked.
  MessageBox MB_YESNO|MB_ICONQUESTION \
    "Keep your saved ${PRODUCT} settings for a later installation?" /SD IDYES IDYES keepSettings
  DeleteRegKey HKCU "${SETTINGS_KEY}"
keepSettings:
SectionEnd
