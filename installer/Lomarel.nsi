; LomarelSetup.exe: installs the install folder under Program Files, registers the uninstaller,
; adds Start-menu shortcuts and asks the launcher how many installed printers can receive panel
; messages. "/S" does all of it without pages, for roll-outs to many PCs.
;
; makensis -DARCH=<i686|x86_64> -DDIST=<install folder> -DFILE_LIST=<list .nsh> -DOUTFILE=<exe>
; FILE_LIST comes from DistFiles.cmake: the install folder's files, for packing and for removing.

!if "${ARCH}" == "x86_64"
  Target amd64-unicode
  !define PROGRAM_FILES "$PROGRAMFILES64"
  !define STARTUPINFO_SIZE 104
!else
  Target x86-unicode
  !define PROGRAM_FILES "$PROGRAMFILES"
  !define STARTUPINFO_SIZE 68
!endif

; The product's version is the one the shipped Version.txt carries.
!searchparse /file "${DIST}/Version.txt" "MainVersion=" VERSION

!define PRODUCT "Lomarel"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
; The installer's own key, where the launcher answers "/A".
!define SETUP_KEY "Software\${PRODUCT}\Setup"
!define START_MENU "$SMPROGRAMS\${PRODUCT}"
!define UNINSTALLER "Uninstall.exe"

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"
!include "${FILE_LIST}"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "${PROGRAM_FILES}\${PRODUCT}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
; The launcher asks for administrator rights too; HKLM and Program Files need them here.
RequestExecutionLevel admin
SetCompressor /SOLID lzma
; A file in use stops the install instead of being skipped silently.
AllowSkipFiles off
ManifestDPIAware true
BrandingText "${PRODUCT} ${VERSION}"

; What the last page says about the printers (set while installing).
Var PrinterReport

; A launcher that fails shows a message box and waits for someone to close it. A silent install
; has nobody to, so it ends the launcher after this long instead of hanging.
!ifndef LAUNCHER_TIMEOUT_MS
  !define LAUNCHER_TIMEOUT_MS 60000
!endif
!define WAIT_TIMEOUT 0x102

!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_TEXT "${PRODUCT} ${VERSION} is installed.$\r$\n$\r$\n$PrinterReport"
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

Function .onInit
  SetShellVarContext all
FunctionEnd

; A running launcher keeps its files: an install would mix old ones with new ones, an uninstall
; would leave them behind without an uninstall entry. Opening the program for writing fails while
; it runs. A silent run gives up (exit code 2) and leaves everything as it was.
!macro WaitForLauncherClosed
  ${If} ${FileExists} "$INSTDIR\Zembrak.exe"
  retry:
    ClearErrors
    FileOpen $0 "$INSTDIR\Zembrak.exe" a
    ${If} ${Errors}
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "${PRODUCT} is running. Close it, then click Retry." /SD IDCANCEL IDRETRY retry
      Abort
    ${EndIf}
    FileClose $0
  ${EndIf}
!macroend

Function un.onInit
  SetShellVarContext all
  !insertmacro WaitForLauncherClosed
FunctionEnd

Section "Install"
  !insertmacro WaitForLauncherClosed
  !insertmacro InstallDistFiles
  ; The shortcuts start in the install folder, and the launcher runs there.
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  CreateDirectory "${START_MENU}"
  CreateShortcut "${START_MENU}\${PRODUCT}.lnk" "$INSTDIR\Zembrak.exe"
  CreateShortcut "${START_MENU}\Uninstall ${PRODUCT}.lnk" "$INSTDIR\${UNINSTALLER}"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0

  Call AskLauncherForPrinters
  DetailPrint "$PrinterReport"
SectionEnd

; The launcher writes the count into an existing key and never creates one. NSIS cannot only
; create a key: a value written and deleted again leaves it, and so removes an older answer too,
; which a launcher that writes nothing would otherwise pass off as its own.
Function AskLauncherForPrinters
  WriteRegStr HKLM "${SETUP_KEY}" "LangDwmResult" ""
  DeleteRegValue HKLM "${SETUP_KEY}" "LangDwmResult"
  Call RunLauncher
  ${If} $1 == error
    StrCpy $PrinterReport "The printer check could not be started, so it is not known how many installed printers can receive panel messages."
    Return
  ${EndIf}
  ClearErrors
  ReadRegDWORD $0 HKLM "${SETUP_KEY}" "LangDwmResult"
  ${If} ${Errors}
    StrCpy $PrinterReport "The printer check reported nothing, so it is not known how many installed printers can receive panel messages."
  ${ElseIf} $0 = 0
    StrCpy $PrinterReport "No installed printer can receive panel messages yet."
  ${ElseIf} $0 = 1
    StrCpy $PrinterReport "1 installed printer can receive panel messages."
  ${Else}
    StrCpy $PrinterReport "$0 installed printers can receive panel messages."
  ${EndIf}
FunctionEnd

; Runs the launcher's "/A" in the install folder and waits for it, in a silent install no longer
; than LAUNCHER_TIMEOUT_MS, then ends it. $1 is "error" when it did not start.
Function RunLauncher
  ${If} ${Silent}
    StrCpy $2 ${LAUNCHER_TIMEOUT_MS}
  ${Else}
    StrCpy $2 -1 ; INFINITE
  ${EndIf}
  System::Alloc ${STARTUPINFO_SIZE}
  Pop $3
  System::Call '*$3(i ${STARTUPINFO_SIZE})'
  System::Alloc 24 ; PROCESS_INFORMATION
  Pop $4
  ; In the current folder, the install folder.
  StrCpy $1 '"$INSTDIR\Zembrak.exe" /A "HKEY_LOCAL_MACHINE\${SETUP_KEY}"'
  System::Call 'kernel32::CreateProcessW(p 0, w r1, p 0, p 0, i 0, i 0, p 0, p 0, p r3, p r4) i .r1'
  ${If} $1 = 0
    StrCpy $1 error
  ${Else}
    System::Call '*$4(p .r5, p .r6)'
    System::Call 'kernel32::WaitForSingleObject(p r5, i r2) i .r1'
    ${If} $1 = ${WAIT_TIMEOUT}
      System::Call 'kernel32::TerminateProcess(p r5, i 1)'
    ${EndIf}
    System::Call 'kernel32::CloseHandle(p r5)'
    System::Call 'kernel32::CloseHandle(p r6)'
  ${EndIf}
  System::Free $3
  System::Free $4
FunctionEnd

Section "Uninstall"
  !insertmacro RemoveDistFiles
  ; The launcher's configuration report, when "/CheckInifile" was run.
  Delete "$INSTDIR\error.log"
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"

  Delete "${START_MENU}\${PRODUCT}.lnk"
  Delete "${START_MENU}\Uninstall ${PRODUCT}.lnk"
  RMDir "${START_MENU}"

  DeleteRegKey HKLM "${SETUP_KEY}"
  DeleteRegKey /ifempty HKLM "Software\${PRODUCT}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
