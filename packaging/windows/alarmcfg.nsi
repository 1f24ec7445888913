; The setup program of alarmcfg for 64-bit Windows. scripts/windows-build.sh
; makes it with
;   makensis -DVERSION=1.0.0 -DSTAGE=<folder of the program's files>
;            -DOUTFILE=<setup.exe> packaging/windows/alarmcfg.nsi
; where the stage folder holds files.nsh and unfiles.nsh, the lists of what is
; installed and removed again, written beside the files.
;
; Installs for the current user without administrator rights; run elevated
; ("Run as administrator", or /AllUsers), for every user of the computer.
; /CurrentUser keeps it to the current user. /S installs silently.
; The uninstaller removes every file it installed and leaves the settings
; (\woclc1k) and the history alone.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include LogicLib.nsh
!include FileFunc.nsh
!include x64.nsh

!define PRODUCT "alarmcfg"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define PROGID "alarmcfg.profile"

Name "alarmcfg ${VERSION}"
OutFile "${OUTFILE}"
Icon "${STAGE}/alarmcfg.ico"
UninstallIcon "${STAGE}/alarmcfg.ico"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
ShowInstDetails show
ShowUninstDetails show

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Var AllUsers

; Per machine when elevated (or asked with /AllUsers), per user otherwise.
Function .onInit
    ${GetParameters} $0
    UserInfo::GetAccountType
    Pop $1
    StrCpy $AllUsers 0
    ${If} $1 == "Admin"
        StrCpy $AllUsers 1
    ${EndIf}
    ClearErrors
    ${GetOptions} $0 "/CurrentUser" $2
    ${IfNot} ${Errors}
        StrCpy $AllUsers 0
    ${EndIf}
    ${If} $AllUsers == 1
        SetShellVarContext all
        StrCpy $INSTDIR "$PROGRAMFILES64\${PRODUCT}"
    ${Else}
        SetShellVarContext current
    ${EndIf}
    SetRegView 64
FunctionEnd

Section "alarmcfg"
    SetOutPath "$INSTDIR"
    !include "${STAGE}/files.nsh"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    CreateShortcut "$SMPROGRAMS\alarmcfg.lnk" "$INSTDIR\alarmcfg.exe" "" "$INSTDIR\alarmcfg.ico" 0

    ; Profiles: Explorer goes by the last extension (.json), so alarmcfg is
    ; offered under "Open with" for .json files and is the program of the
    ; profile type, without taking .json from the program that has it.
    WriteRegStr SHCTX "Software\Classes\${PROGID}" "" "alarmcfg 配置文件"
    WriteRegStr SHCTX "Software\Classes\${PROGID}\DefaultIcon" "" "$INSTDIR\alarmcfg.ico"
    WriteRegStr SHCTX "Software\Classes\${PROGID}\shell\open\command" "" '"$INSTDIR\alarmcfg.exe" "%1"'
    WriteRegStr SHCTX "Software\Classes\.json\OpenWithProgids" "${PROGID}" ""
    WriteRegStr SHCTX "Software\Classes\.alarmcfg.json" "" "${PROGID}"
    WriteRegStr SHCTX "Software\Classes\Applications\alarmcfg.exe\SupportedTypes" ".json" ""
    WriteRegStr SHCTX "Software\Classes\Applications\alarmcfg.exe\shell\open\command" "" '"$INSTDIR\alarmcfg.exe" "%1"'

    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "alarmcfg ${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "alarmcfg"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\alarmcfg.ico"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; The uninstaller finds its mode where the setup program registered it.
Function un.onInit
    SetRegView 64
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 == $INSTDIR
        SetShellVarContext all
    ${Else}
        SetShellVarContext current
    ${EndIf}
FunctionEnd

Section "Uninstall"
    !include "${STAGE}/unfiles.nsh"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\alarmcfg.lnk"
    DeleteRegKey SHCTX "Software\Classes\${PROGID}"
    DeleteRegValue SHCTX "Software\Classes\.json\OpenWithProgids" "${PROGID}"
    DeleteRegKey /ifempty SHCTX "Software\Classes\.json\OpenWithProgids"
    DeleteRegKey SHCTX "Software\Classes\.alarmcfg.json"
    DeleteRegKey SHCTX "Software\Classes\Applications\alarmcfg.exe"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
