; The Windows installer: the program files (packaging/windows/program-files.txt) in one folder,
; a Start-menu shortcut and an uninstall entry, for the current user (%LOCALAPPDATA%\Programs,
; no administrator needed) or for every user of the machine (Program Files). Silent with /S;
; /CurrentUser or /AllUsers chooses the scope, /D=<folder> the folder.
;
; makensis -DVERSION=<x.y.z> -DPROGRAM=<folder holding the program files> -DFILES=<files.nsh>
;          -DLICENSE=<LICENSE> -DOUTFILE=<setup.exe> [-DICON=<quorvex.ico>]
;          [-DFINALIZE_UNINSTALLER=<command with %1>] quorvex.nsi
; (packaging/make-installer.sh passes them and writes files.nsh from the file list.)
;
; Exit status: 0 done, 1 cancelled, 2 aborted (the program is running, a file could not be
; written or removed, or the chosen scope needs an administrator).

!macro QUORVEX_REQUIRE name
  !ifndef ${name}
    !error "makensis needs -D${name}=..."
  !endif
!macroend
!insertmacro QUORVEX_REQUIRE VERSION
!insertmacro QUORVEX_REQUIRE PROGRAM
!insertmacro QUORVEX_REQUIRE FILES
!insertmacro QUORVEX_REQUIRE LICENSE
!insertmacro QUORVEX_REQUIRE OUTFILE

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true
; A file that cannot be written stops the installation: never an old program under a new entry.
AllowSkipFiles off

!define PRODUCT "Quorvex"
!define PUBLISHER "Quorvex"
!define COPYRIGHT "Copyright (c) 2026 The Quorvex developers. MIT License."
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvex"
; The program's own saved settings; the tuning values and Firefox files are the user's, not ours.
!define SETTINGS_KEY "Software\Quorvex"
; The main window and the splash, by window class.
!define MAIN_WINDOW_CLASS "QuorvexForm1"
!define SPLASH_WINDOW_CLASS "QuorvexSplash"
; What puts back the values Quorvex found before its first change, when the program folder holds
; it: the console program's restore of original.reg.
!define RESTORE_PROGRAM "quorvex.com"
!define RESTORE_ARGUMENTS "undo --original"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
; The uninstaller is this same program: its finishing step rewrites the description in place,
; which is why this one is at least as long as "Quorvex Uninstaller".
VIAddVersionKey /LANG=1033 "FileDescription" "Quorvex Setup: installs Quorvex"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${COPYRIGHT}"

!ifdef FINALIZE_UNINSTALLER
  !uninstfinalize '${FINALIZE_UNINSTALLER}' = 0
!endif

; Per-user or per-machine, as the user chooses (or /CurrentUser, /AllUsers); the folder of an
; earlier installation in the same scope is remembered in its uninstall entry.
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "${PRODUCT}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INIT_FUNCTIONQUIT QuitRefused
; Called whenever the scope is chosen (start, command line, page).
!define MULTIUSER_INSTALLMODE_FUNCTION OnScopeChosen
!include "MultiUser.nsh"
!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"

!include "${FILES}"

!ifdef ICON
  !define MUI_ICON "${ICON}"
  !define MUI_UNICON "${ICON}"
!endif
!define MUI_FINISHPAGE_RUN "$INSTDIR\Quorvex.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start ${PRODUCT}"

!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Var CommandLineFolder
Var PreviousFolder
Var Scope

Function QuitRefused
  SetErrorLevel 2
  Quit
FunctionEnd

; Waits until no Quorvex window is open and no program file in $INSTDIR is in use, asking the
; user to close the program; silently, or when the user cancels, the run stops with status 2
; before anything was changed.
!macro QUORVEX_WAIT_UNTIL_CLOSED un
Function ${un}WaitUntilClosed
  ${Do}
    StrCpy $R0 ""
    FindWindow $R1 "${MAIN_WINDOW_CLASS}"
    ${If} $R1 <> 0
      StrCpy $R0 "its window is open"
    ${EndIf}
    FindWindow $R1 "${SPLASH_WINDOW_CLASS}"
    ${If} $R1 <> 0
      StrCpy $R0 "its window is open"
    ${EndIf}
    ; A running program's file cannot be opened for writing: this also finds a copy started by
    ; another user or from the console.
    !insertmacro QUORVEX_FOR_EACH_PROGRAM QuorvexCheckProgramFile
    ${If} $R0 == ""
      Return
    ${EndIf}
    DetailPrint "${PRODUCT} is running ($R0)."
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
      "${PRODUCT} is running ($R0).$\r$\n$\r$\nClose ${PRODUCT}, then choose Retry." \
      /SD IDCANCEL IDRETRY again
    SetErrorLevel 2
    Abort "${PRODUCT} is running: nothing was changed. Close it and try again."
  again:
  ${Loop}
FunctionEnd
!macroend

!macro QuorvexCheckProgramFile name
  ${If} ${FileExists} "$INSTDIR\${name}"
    ClearErrors
    FileOpen $R2 "$INSTDIR\${name}" a
    ${If} ${Errors}
      StrCpy $R0 "$INSTDIR\${name} is in use"
    ${Else}
      FileClose $R2
    ${EndIf}
  ${EndIf}
!macroend

!insertmacro QUORVEX_WAIT_UNTIL_CLOSED ""
!insertmacro QUORVEX_WAIT_UNTIL_CLOSED "un."

Function .onInit
  ; A 64-bit program: the 64-bit registry view.
  SetRegView 64
  ; /D= is the user's word: the scope's default folder must not replace it.
  StrCpy $CommandLineFolder $INSTDIR
  !insertmacro MULTIUSER_INIT
FunctionEnd

Function OnScopeChosen
  StrCpy $Scope $MultiUser.InstallMode
  ${If} $CommandLineFolder != ""
    StrCpy $INSTDIR $CommandLineFolder
  ${EndIf}
FunctionEnd

Function un.onInit
  SetRegView 64
  !insertmacro MULTIUSER_UNINIT
  StrCpy $Scope $MultiUser.InstallMode
FunctionEnd

; An earlier installation in the same scope but another folder is uninstalled first, so that no
; copy is left without an uninstall entry. One in the same folder is upgraded in place.
Function RemovePreviousFolder
  ReadRegStr $PreviousFolder SHCTX "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $PreviousFolder == ""
  ${OrIfNot} ${FileExists} "$PreviousFolder\uninstall.exe"
    Return
  ${EndIf}
  GetFullPathName $R0 "$PreviousFolder"
  GetFullPathName $R1 "$INSTDIR"
  ${If} $R0 == $R1
    Return
  ${EndIf}
  DetailPrint "Removing the earlier installation in $PreviousFolder"
  ClearErrors
  ExecWait '"$PreviousFolder\uninstall.exe" /S /$Scope _?=$PreviousFolder' $R2
  ${If} ${Errors}
  ${OrIf} $R2 <> 0
    SetErrorLevel 2
    Abort "The earlier installation in $PreviousFolder could not be removed (status $R2)."
  ${EndIf}
  ; Run in place, the earlier uninstaller cannot remove itself.
  ClearErrors
  Delete "$PreviousFolder\uninstall.exe"
  RMDir "$PreviousFolder"
  ${If} ${Errors}
    SetErrorLevel 2
    Abort "The earlier installation's uninstaller in $PreviousFolder could not be removed."
  ${EndIf}
FunctionEnd

Section "${PRODUCT}" SectionProgram
  SectionIn RO
  Call WaitUntilClosed
  Call RemovePreviousFolder
  SetOutPath "$INSTDIR"
  ; With AllowSkipFiles off a file that cannot be written aborts here (silently: status 2).
  !insertmacro QUORVEX_INSTALL_FILES
  ClearErrors
  WriteUninstaller "$INSTDIR\uninstall.exe"
  ${If} ${Errors}
    SetErrorLevel 2
    Abort "Could not write $INSTDIR\uninstall.exe."
  ${EndIf}

  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\Quorvex.exe" "" "$INSTDIR\Quorvex.exe" 0

  ; Written last: the entry names only an installation whose files are all in place.
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Quorvex.exe,0"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  ; _?= runs the uninstaller in place, so that a quiet uninstall returns only when it is done.
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" \
    '"$INSTDIR\uninstall.exe" /$Scope _?=$INSTDIR'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" \
    '"$INSTDIR\uninstall.exe" /S /$Scope _?=$INSTDIR'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  ; In KB, as the control panel reads it.
  SectionGetSize ${SectionProgram} $0
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; Names what stays (the undo records, the settings) and, when the records hold the values found
; before Quorvex first changed them, offers to put those back. Silently nothing is changed.
Var DataFolder
Function un.OfferRestore
  ; The records are the user's who runs the uninstaller, whatever the scope.
  SetShellVarContext current
  StrCpy $DataFolder "$LOCALAPPDATA\${PRODUCT}"
  ${If} $Scope == "AllUsers"
    SetShellVarContext all
  ${EndIf}
  IfSilent 0 +2
    Return
  ${IfNot} ${FileExists} "$DataFolder\original.reg"
    MessageBox MB_OK|MB_ICONINFORMATION \
      "Your undo records in $DataFolder (previous.reg, original.reg) and your settings (HKEY_CURRENT_USER\${SETTINGS_KEY}) are kept."
    Return
  ${EndIf}
  ${IfNot} ${FileExists} "$INSTDIR\${RESTORE_PROGRAM}"
    MessageBox MB_OK|MB_ICONINFORMATION \
      "Your undo records in $DataFolder (previous.reg, original.reg) and your settings (HKEY_CURRENT_USER\${SETTINGS_KEY}) are kept.$\r$\n$\r$\nTo put back the network values you had before ${PRODUCT}, cancel now and choose $\"Restore Original Settings$\" in ${PRODUCT}'s window menu first."
    Return
  ${EndIf}
  MessageBox MB_YESNO|MB_ICONQUESTION \
    "Your undo records in $DataFolder (previous.reg, original.reg) and your settings (HKEY_CURRENT_USER\${SETTINGS_KEY}) are kept.$\r$\n$\r$\nPut back the network values you had before ${PRODUCT} first changed them (original.reg) now?" \
    IDNO done
  DetailPrint "Putting back the original network values"
  ClearErrors
  ExecWait '"$INSTDIR\${RESTORE_PROGRAM}" ${RESTORE_ARGUMENTS}' $R0
  ${If} ${Errors}
  ${OrIf} $R0 <> 0
    MessageBox MB_OKCANCEL|MB_ICONEXCLAMATION \
      "The original values could not all be put back (status $R0). Uninstall all the same?" \
      IDOK done
    SetErrorLevel 1
    Abort "Cancelled: nothing was removed."
  ${EndIf}
  done:
FunctionEnd

; Closes the handles this process holds on its own program file (disk files only: no other kind
; of handle is asked for its path).
Function un.CloseOwnFile
  StrCpy $R3 4
  ${Do}
    System::Call 'kernel32::GetFileType(p R3) i .R4'
    ${If} $R4 = 1
      System::Call 'kernel32::GetFinalPathNameByHandleW(p R3, w .R5, i ${NSIS_MAX_STRLEN}, i 0) i .R4'
      ${If} $R4 > 0
      ${AndIf} $R5 == "\\?\$EXEPATH"
        System::Call 'kernel32::CloseHandle(p R3)'
      ${EndIf}
    ${EndIf}
    IntOp $R3 $R3 + 4
  ${LoopUntil} $R3 > 16384
FunctionEnd

Section "Uninstall"
  Call un.WaitUntilClosed
  Call un.OfferRestore
  SetOutPath "$TEMP"
  StrCpy $R9 ""
  ; Only what the installer put there: a folder that holds files of the user's stays.
  !insertmacro QUORVEX_DELETE_FILES
  ${If} $EXEPATH == "$INSTDIR\uninstall.exe"
    ; Run in place (_?=), so that whoever started it waits for the whole uninstall. A running
    ; program's file can be moved but not deleted, and this one holds its own file open
    ; without leave to move it: close that handle (nothing is read from it any more), then
    ; move the file out of the folder.
    Call un.CloseOwnFile
    GetTempFileName $R1
    Delete $R1
    ClearErrors
    Rename "$INSTDIR\uninstall.exe" "$R1"
    ${If} ${Errors}
      StrCpy $R9 "$R9$\r$\n$INSTDIR\uninstall.exe"
    ${Else}
      ; Goes now where the system allows it; otherwise the temporary folder's clean-up takes it.
      Delete "$R1"
    ${EndIf}
  ${Else}
    ClearErrors
    Delete "$INSTDIR\uninstall.exe"
    ${If} ${Errors}
      StrCpy $R9 "$R9$\r$\n$INSTDIR\uninstall.exe"
    ${EndIf}
  ${EndIf}
  ${If} $R9 != ""
    ; The shortcut and the entry stay, so that the uninstall can be run again.
    SetErrorLevel 2
    MessageBox MB_OK|MB_ICONSTOP "These files could not be removed:$R9" /SD IDOK
    Abort "These files could not be removed:$R9"
  ${EndIf}
  RMDir "$INSTDIR"
  ${If} ${FileExists} "$INSTDIR\*.*"
    DetailPrint "$INSTDIR holds other files and stays"
  ${EndIf}
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"

  ; Silent uninstalls keep the settings: nothing of the user's is lost without being asked.
  MessageBox MB_YESNO|MB_ICONQUESTION \
    "Keep your saved ${PRODUCT} settings (HKEY_CURRENT_USER\${SETTINGS_KEY}) for a later installation?" \
    /SD IDYES IDYES keepSettings
  DeleteRegKey HKCU "${SETTINGS_KEY}"
keepSettings:
SectionEnd
