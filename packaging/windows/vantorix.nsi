; The Windows installer: per user, no administrator rights, Chinese pages.
;   makensis -DVERSION=3.3.0 -DSTAGE=<folder with the programs> -DOUTFILE=<setup.exe> vantorix.nsi
; A 64-bit installer for 64-bit programs; it also runs where only 64-bit Wine is.
Target amd64-unicode
!include "MUI2.nsh"

Name "Vantorix ${VERSION}"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\Vantorix"
InstallDirRegKey HKCU "Software\Vantorix" "InstallDir"
SetCompressor /SOLID lzma

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Vantorix"
!define MUI_ABORTWARNING

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\vantorix.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "ProductName" "Vantorix"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "FileDescription" "Vantorix 长尾关键词工具安装程序"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "LegalCopyright" "Vantorix"

Section "Vantorix"
    SetOutPath "$INSTDIR"
    File /r "${STAGE}\*.*"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateDirectory "$SMPROGRAMS\Vantorix"
    CreateShortcut "$SMPROGRAMS\Vantorix\Vantorix 长尾关键词.lnk" "$INSTDIR\vantorix.exe"
    CreateShortcut "$SMPROGRAMS\Vantorix\卸载 Vantorix.lnk" "$INSTDIR\uninstall.exe"
    WriteRegStr HKCU "Software\Vantorix" "InstallDir" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Vantorix ${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Vantorix"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\vantorix.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Removes only what the installer put there: keyword files a person saved
; into the folder stay, and so does the folder then.
Section "Uninstall"
    !include "${MANIFEST}"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\Vantorix\Vantorix 长尾关键词.lnk"
    Delete "$SMPROGRAMS\Vantorix\卸载 Vantorix.lnk"
    RMDir "$SMPROGRAMS\Vantorix"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    DeleteRegKey HKCU "Software\Vantorix"
SectionEnd
