; The Windows installer: installs for the user who runs it, without administrator rights, into
; %LOCALAPPDATA%\Programs\Numora, with a Start menu entry and an uninstaller listed among the
; user's programs. /S installs silently, /D=FOLDER elsewhere. Its texts are Japanese or English,
; as the system's language is.
;
; scripts/make-windows-setup.sh compiles it with these defined: SOURCE (the staged program
; folder), OUTFILE, DEFINES (the build's setup-defines.nsh: VERSION and ICON) and FILES, which
; installs each file of SOURCE and UNFILES, which removes exactly those again.

Unicode true
!include "${DEFINES}"
!include "MUI2.nsh"
!include "FileFunc.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Numora"

Name "Numora"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\Numora"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
SetCompressor /SOLID lzma
ManifestDPIAware true
BrandingText "Numora ${VERSION}"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=0 "ProductName" "Numora"
VIAddVersionKey /LANG=0 "CompanyName" "Orvanta"
VIAddVersionKey /LANG=0 "FileDescription" "Numora Setup"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "LegalCopyright" "Orvanta"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\numora.exe"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${SOURCE}\LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_UNPAGE_FINISH

; The first language is the one for a system in neither.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Japanese"

LangString ShortcutComment ${LANG_ENGLISH} "Worksheet calculator with 100-digit decimal arithmetic"
LangString ShortcutComment ${LANG_JAPANESE} "100 桁の 10 進演算で計算するワークシート電卓"

Section "Numora"
  SetOutPath "$INSTDIR"
  ; A program file still in use cannot be replaced: NSIS asks the user to close it and retry.
  !include "${FILES}"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Numora.lnk" "$INSTDIR\numora.exe" "" "$INSTDIR\numora.exe" 0 \
      SW_SHOWNORMAL "" "$(ShortcutComment)"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Numora"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Orvanta"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\numora.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  IntFmt $0 "0x%08X" $0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

; Takes away what the installer put there and nothing else: the user's worksheets, settings
; (%APPDATA%\Numora) and recent list stay, and so does a folder holding files of the user's.
Section "Uninstall"
  Delete "$SMPROGRAMS\Numora.lnk"
  !include "${UNFILES}"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd

Function .onInit
  ; A second installer started while this one runs would race it for the same files.
  System::Call 'kernel32::CreateMutex(p 0, i 0, t "NumoraSetup") p .r0 ?e'
  Pop $0
  StrCmp $0 0 +2
    Abort
FunctionEnd
