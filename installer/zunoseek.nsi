; The per-user installer of zunoseek, built by scripts/release.sh with
; Debian's makensis from the release folder:
;
;   makensis -INPUTCHARSET UTF8 -DZS_VERSION_NSH=... -DZS_FILE_LIST=...
;            -DZS_RELEASE_DIR=... -DZS_OUT_FILE=... installer/zunoseek.nsi
;
; ZS_VERSION_NSH (made by CMake) gives the version, product name and
; publisher; ZS_FILE_LIST (made by release.sh) lists the release folder's
; files and subfolders. It installs them for the current user only, without
; administrator rights, into %LOCALAPPDATA%\Programs\zunoseek, adds a Start
; menu shortcut and an entry in "Programs and Features". The uninstaller
; removes exactly those files, the shortcut and the entry, and leaves the
; database list in HKEY_CURRENT_USER\zsearch and any file the user added.

Unicode true
!include "${ZS_VERSION_NSH}"
!include "${ZS_FILE_LIST}"
!include MUI2.nsh

!define ZS_UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\zunoseek"
!define ZS_SHORTCUT "$SMPROGRAMS\${ZS_PRODUCT_NAME}.lnk"
!define ZS_KEPT "データベースの一覧（レジストリの HKEY_CURRENT_USER\zsearch）と、\
あとから追加したデータベースのファイルは削除しません。"

Name "${ZS_PRODUCT_NAME}"
OutFile "${ZS_OUT_FILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\zunoseek"
InstallDirRegKey HKCU "${ZS_UNINSTALL_KEY}" "InstallLocation"
ManifestDPIAware true

!define MUI_UNCONFIRMPAGE_TEXT_TOP "インストールしたファイルとスタートメニューのショートカットを削除します。${ZS_KEPT}"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Japanese"

; What ZsReleaseFiles and ZsReleaseFolders do with each entry. DIR is empty
; for the top of the folder, or a subfolder with a leading backslash.
!macro ZsInstallFile DIR NAME
  SetOutPath "$INSTDIR${DIR}"
  File "${ZS_RELEASE_DIR}${DIR}\${NAME}"
!macroend
!macro ZsRemoveFile DIR NAME
  Delete "$INSTDIR${DIR}\${NAME}"
!macroend
!macro ZsRemoveFolder DIR
  RMDir "$INSTDIR${DIR}"
!macroend

Section
  !insertmacro ZsReleaseFiles ZsInstallFile
  WriteUninstaller "$INSTDIR\uninstall.exe"
  ; The shortcut's working folder is the output folder: the program finds
  ; its scripts, documents and sample databases there.
  SetOutPath "$INSTDIR"
  CreateShortcut "${ZS_SHORTCUT}" "$INSTDIR\zunoseek.exe"

  WriteRegStr HKCU "${ZS_UNINSTALL_KEY}" "DisplayName" "${ZS_PRODUCT_NAME}"
  WriteRegStr HKCU "${ZS_UNINSTALL_KEY}" "DisplayVersion" "${ZS_VERSION}"
  WriteRegStr HKCU "${ZS_UNINSTALL_KEY}" "Publisher" "${ZS_PUBLISHER}"
  WriteRegStr HKCU "${ZS_UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${ZS_UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\zunoseek.exe"
  WriteRegStr HKCU "${ZS_UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${ZS_UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${ZS_UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${ZS_UNINSTALL_KEY}" "NoRepair" 1
  WriteRegDWORD HKCU "${ZS_UNINSTALL_KEY}" "EstimatedSize" ${ZS_RELEASE_SIZE_KB}
SectionEnd

Section "Uninstall"
  !insertmacro ZsReleaseFiles ZsRemoveFile
  Delete "$INSTDIR\uninstall.exe"
  Delete "${ZS_SHORTCUT}"
  ; Only folders left empty go: files the user added keep theirs.
  !insertmacro ZsReleaseFolders ZsRemoveFolder
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${ZS_UNINSTALL_KEY}"
  DetailPrint "${ZS_KEPT}"
SectionEnd
