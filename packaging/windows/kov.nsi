; KOV's setup program for 64-bit Windows. make-setup.sh builds it with makensis 3.08 and defines:
;   KOV_SETUP_NSH           what the setup says about KOV (kov-setup.nsh, made by CMake)
;   KOV_FILES_NSH           the program folder's files, as the macros KovInstallFiles and
;                           KovRemoveFiles
;   KOV_OUTFILE             the setup program to write
;   KOV_COMPRESSOR          lzma, zlib or none
;   KOV_FINISH_UNINSTALLER  the command run on the uninstaller once it is built (%1 names it)
;
; It installs for all users into Program Files (administrator rights) or for the current user
; alone into %LOCALAPPDATA%\Programs, as MultiUser.nsh's page or its /AllUsers and /CurrentUser
; choose; /D= names another folder and /S installs without a window. The uninstaller takes away
; the files the setup put there, the Start-menu shortcut and the "Apps and features" entry. The
; players' decks in %APPDATA% and any file a player added to the folder stay.

Unicode true
Target amd64-unicode
!include "${KOV_SETUP_NSH}"
!include "${KOV_FILES_NSH}"

!define KOV_UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${KOV_PRODUCT}"
!define KOV_ENTRY 'SHCTX "${KOV_UNINSTALL_KEY}"'
!define KOV_UNINSTALLER "Uninstall.exe"
!define KOV_EXE "KOV.exe"
!define KOV_CARD_FILE "card.txt"
; A whole deck: 108 cards of two bytes.
!define KOV_CARD_FILE_BYTES 216
!define KOV_RUNNING "$(^Name) is running. Close it, then choose Retry; Cancel changes nothing."

Name "${KOV_PRODUCT}"
OutFile "${KOV_OUTFILE}"
!if "${KOV_COMPRESSOR}" == none
    SetCompress off
!else
    SetCompressor /SOLID ${KOV_COMPRESSOR}
!endif
BrandingText "${KOV_COMPANY} ${KOV_PRODUCT} ${KOV_VERSION_TEXT}"
ManifestDPIAware true
!uninstfinalize "${KOV_FINISH_UNINSTALLER}" = 0

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "${KOV_COMPANY}\${KOV_PRODUCT}"
; An earlier install gives the default folder, and the default users when only one exists.
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${KOV_UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME InstallLocation
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${KOV_UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME InstallLocation
!define MULTIUSER_INSTALLMODE_FUNCTION KeepChosenFolder
!define MULTIUSER_NOUNINSTALL
!include MultiUser.nsh
!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

!define MUI_ICON "${KOV_ICON}"
!define MUI_UNICON "${KOV_ICON}"
!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_WELCOME
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_FUNCTION StartKov
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE English

; The setup program and the uninstaller built from it state the same facts as KOV.exe.
VIProductVersion ${KOV_VERSION_NUMBERS}
VIFileVersion ${KOV_VERSION_NUMBERS}
VIAddVersionKey /LANG=${LANG_ENGLISH} CompanyName "${KOV_COMPANY}"
VIAddVersionKey /LANG=${LANG_ENGLISH} ProductName "${KOV_PRODUCT}"
VIAddVersionKey /LANG=${LANG_ENGLISH} ProductVersion "${KOV_VERSION_TEXT}"
VIAddVersionKey /LANG=${LANG_ENGLISH} FileVersion "${KOV_VERSION_TEXT}"
VIAddVersionKey /LANG=${LANG_ENGLISH} FileDescription "${KOV_PRODUCT} Setup"
; Like KOV.exe, they carry no copyright line.
!pragma warning disable 9100

; /D= sets $INSTDIR before .onInit; MultiUser.nsh would put its own default over it.
Var ChosenFolder

Function .onInit
    StrCpy $ChosenFolder $INSTDIR
    !insertmacro MULTIUSER_INIT
FunctionEnd

Function KeepChosenFolder
    ${If} $ChosenFolder != ""
        StrCpy $INSTDIR $ChosenFolder
    ${EndIf}
FunctionEnd

; The program folder once empty, and the company's folder above it once empty too: a file a
; player put there keeps its folder.
!macro RemoveEmptyFolder FOLDER
    RMDir "${FOLDER}"
    ${GetParent} "${FOLDER}" $R8
    ${GetFileName} $R8 $R9
    ${If} $R9 == "${KOV_COMPANY}"
        RMDir "$R8"
    ${EndIf}
!macroend

; Waits, asking the player, until no KOV runs from the folder on the stack; Cancel (the answer
; of a silent run) aborts before anything is changed. Windows will not open a running
; program's file for writing.
!macro WAIT_UNTIL_CLOSED UN
Function ${UN}WaitUntilClosed
    Exch $0
    Push $1
    ${Do}
        ${IfNot} ${FileExists} "$0\${KOV_EXE}"
            ${Break}
        ${EndIf}
        ClearErrors
        FileOpen $1 "$0\${KOV_EXE}" a
        ${IfNot} ${Errors}
            FileClose $1
            ${Break}
        ${EndIf}
        ${IfNot} ${Cmd} `MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "${KOV_RUNNING}" \
                /SD IDCANCEL IDRETRY`
            DetailPrint "${KOV_PRODUCT} is running from $0: nothing was changed."
            Abort
        ${EndIf}
    ${Loop}
    Pop $1
    Pop $0
FunctionEnd
!macroend
!insertmacro WAIT_UNTIL_CLOSED ""
!insertmacro WAIT_UNTIL_CLOSED "un."

; An earlier install in the folder on the stack goes first, through its own uninstaller, which
; knows its files: whatever this version no longer ships leaves with them.
Function RemoveEarlier
    Exch $0
    Push $1
    ${If} ${FileExists} "$0\${KOV_UNINSTALLER}"
        ClearErrors
        ExecWait '"$0\${KOV_UNINSTALLER}" /S _?=$0' $1
        ${If} ${Errors}
        ${OrIf} $1 <> 0
            DetailPrint "The earlier ${KOV_PRODUCT} in $0 could not be removed."
            Abort
        ${EndIf}
        Delete "$0\${KOV_UNINSTALLER}"
        !insertmacro RemoveEmptyFolder $0
    ${EndIf}
    Pop $1
    Pop $0
FunctionEnd

Section
    ReadRegStr $R0 ${KOV_ENTRY} InstallLocation
    Push $INSTDIR
    Call WaitUntilClosed
    ${If} $R0 != ""
    ${AndIf} $R0 != $INSTDIR
        Push $R0
        Call WaitUntilClosed
        Push $R0
        Call RemoveEarlier
    ${EndIf}
    ; The deck order that KOV keeps beside itself in a folder the player can write carries over
    ; to the new version, as the game left it. A file too short to deal from is not kept, so a
    ; reinstall still mends it.
    InitPluginsDir
    ${GetSize} "$INSTDIR" "/M=${KOV_CARD_FILE} /S=0B /G=0" $R1 $R2 $R3
    ${If} $R2 == 1
    ${AndIf} $R1 >= ${KOV_CARD_FILE_BYTES}
        CopyFiles /SILENT "$INSTDIR\${KOV_CARD_FILE}" "$PLUGINSDIR\${KOV_CARD_FILE}"
    ${EndIf}
    Push $INSTDIR
    Call RemoveEarlier

    ; The uninstaller and the entry come first, so that a folder left half-written by a failing
    ; disk can still be removed from "Apps and features".
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\${KOV_UNINSTALLER}"
    WriteRegStr ${KOV_ENTRY} DisplayName "${KOV_PRODUCT}"
    WriteRegStr ${KOV_ENTRY} Publisher "${KOV_COMPANY}"
    WriteRegStr ${KOV_ENTRY} DisplayVersion "${KOV_VERSION_TEXT}"
    WriteRegStr ${KOV_ENTRY} DisplayIcon "$INSTDIR\${KOV_EXE},0"
    WriteRegStr ${KOV_ENTRY} InstallLocation "$INSTDIR"
    WriteRegStr ${KOV_ENTRY} UninstallString '"$INSTDIR\${KOV_UNINSTALLER}"'
    WriteRegStr ${KOV_ENTRY} QuietUninstallString '"$INSTDIR\${KOV_UNINSTALLER}" /S'
    WriteRegDWORD ${KOV_ENTRY} NoModify 1
    WriteRegDWORD ${KOV_ENTRY} NoRepair 1

    ClearErrors
    !insertmacro KovInstallFiles
    ${If} ${Errors}
        DetailPrint "Some of ${KOV_PRODUCT}'s files could not be written to $INSTDIR."
        Abort
    ${EndIf}
    ${If} ${FileExists} "$PLUGINSDIR\${KOV_CARD_FILE}"
        CopyFiles /SILENT "$PLUGINSDIR\${KOV_CARD_FILE}" "$INSTDIR\${KOV_CARD_FILE}"
    ${EndIf}
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD ${KOV_ENTRY} EstimatedSize $0

    SetOutPath "$INSTDIR"
    CreateShortcut "$SMPROGRAMS\${KOV_PRODUCT}.lnk" "$INSTDIR\${KOV_EXE}" "" \
        "$INSTDIR\${KOV_EXE}" 0
SectionEnd

; Through Explorer, so that KOV runs with the player's own rights rather than the setup's.
Function StartKov
    Exec '"$WINDIR\explorer.exe" "$INSTDIR\${KOV_EXE}"'
FunctionEnd

; The entry that names this folder says whom it was installed for.
Function un.onInit
    ReadRegStr $0 HKCU "${KOV_UNINSTALL_KEY}" InstallLocation
    ${If} $0 == $INSTDIR
        SetShellVarContext current
    ${Else}
        SetShellVarContext all
        UserInfo::GetAccountType
        Pop $0
        ${If} $0 != "Admin"
            MessageBox MB_OK|MB_ICONSTOP \
                "Removing ${KOV_PRODUCT} for all users needs administrator rights." /SD IDOK
            SetErrorLevel 5
            Quit
        ${EndIf}
    ${EndIf}
FunctionEnd

Section Uninstall
    Push $INSTDIR
    Call un.WaitUntilClosed
    !insertmacro KovRemoveFiles
    Delete "$INSTDIR\${KOV_UNINSTALLER}"
    !insertmacro RemoveEmptyFolder $INSTDIR
    Delete "$SMPROGRAMS\${KOV_PRODUCT}.lnk"
    DeleteRegKey ${KOV_ENTRY}
SectionEnd
