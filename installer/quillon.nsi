; Quillon's setup program. scripts/package.sh passes the program folder
; (DIST), the output file (OUTFILE) and two generated lists of the program
; folder's files (FILES: File lines, REMOVE: Delete lines), so the
; uninstaller removes exactly what was installed.
Unicode true
Name "Quillon"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES\Quillon"
InstallDirRegKey HKLM "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillon" "InstallLocation"
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillon"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "Quillon"
  SetOutPath "$INSTDIR"
  !include "${FILES}"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateDirectory "$SMPROGRAMS\Quillon"
  CreateShortcut "$SMPROGRAMS\Quillon\Quillon.lnk" "$INSTDIR\Quillon.exe"
  CreateShortcut "$SMPROGRAMS\Quillon\Uninstall Quillon.lnk" "$INSTDIR\Uninstall.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Quillon"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Quillon.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  !include "${REMOVE}"
  Delete "$INSTDIR\Uninstall.exe"
  Delete "$SMPROGRAMS\Quillon\Quillon.lnk"
  Delete "$SMPROGRAMS\Quillon\Uninstall Quillon.lnk"
  RMDir "$SMPROGRAMS\Quillon"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  ; What the user made in the program folder (the tab layout, profiles,
  ; backups, the OpenGL registry copy, databases the user imported) stays
  ; unless the user says otherwise; a silent uninstall answers No.
  IfFileExists "$INSTDIR\*.*" 0 keep
  MessageBox MB_YESNO|MB_ICONQUESTION "Also remove your own files in $INSTDIR (tab layout, profiles and backups)?" /SD IDNO IDNO keep
  Delete "$INSTDIR\Tabs.stream"
  Delete "$INSTDIR\Extensions.stream"
  Delete "$INSTDIR\*.backup"
  RMDir /r "$INSTDIR\Profiles"
  RMDir /r "$INSTDIR\Installed"
  keep:
  ; Folders go only when empty: plain RMDir never removes what is left in them.
  RMDir "$INSTDIR\Installed"
  RMDir "$INSTDIR"
SectionEnd
