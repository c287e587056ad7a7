; The Tessmire installer, one script for both builds. installer/CMakeLists.txt runs
;   makensis -DARCH=x64|x86 -DVERSION=1.2 -DVIEWER=... -DHELP=... -DCLEANUP=... -DICON=...
;            -DOUTFILE=... tessmire.nsi
; It installs the viewer with its help, registers it with Windows' default apps, and lets
; tsviewer.exe take the JPEG associations over ("install"); the uninstaller gives them back.

Unicode true
!if "${ARCH}" == "x64"
    ; A 64-bit installer: it sees the real Program Files and registry with no redirection.
    Target amd64-unicode
    !define INSTDIR_DEFAULT "$PROGRAMFILES64\Tessmire"
!else if "${ARCH}" == "x86"
    Target x86-unicode
    !define INSTDIR_DEFAULT "$PROGRAMFILES32\Tessmire"
!else
    !error "ARCH must be x64 or x86"
!endif

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include x64.nsh
!include WinMessages.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tessmire"
; The same key as the viewer's own machine key (SOFTWARE\tessmire): it also holds the records of
; the JPEG handlers "install" replaced, which must survive an upgrade.
!define APP_KEY "SOFTWARE\Tessmire"
!define CAPABILITIES_KEY "${APP_KEY}\Capabilities"
!define APPLICATION_KEY "SOFTWARE\Classes\Applications\tsviewer.exe"
; The outermost folder above the install folder that the install made, kept in the uninstall key:
; the uninstall takes it away again where it is empty.
!define CREATED_PARENT "CreatedParentFolder"
; The viewer's windows, each a form of this class.
!define VIEWER_CLASS "TessmireMain"

Name "Tessmire"
OutFile "${OUTFILE}"
InstallDir "${INSTDIR_DEFAULT}"
RequestExecutionLevel admin
ManifestDPIAware true
SetCompressor /SOLID lzma

VIProductVersion "${VERSION}.0.0"
VIFileVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=0 "ProductName" "Tessmire"
VIAddVersionKey /LANG=0 "CompanyName" "Tessmire"
VIAddVersionKey /LANG=0 "FileDescription" "Tessmire ${VERSION} Setup (${ARCH})"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "LegalCopyright" "Copyright (C) 2026 Tessmire"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Both builds keep the machine's keys in the 64-bit view, as the viewer does, and the shortcut
; is for every user.
!macro MachineWideContext
    SetShellVarContext all
    !if "${ARCH}" == "x64"
        ; Always 64-bit Windows (makensis warns of an ${If} that cannot be false).
        SetRegView 64
    !else
        ${If} ${RunningX64}
            SetRegView 64
        ${EndIf}
    !endif
!macroend

; Asks every running viewer to close, as its own Close does, so each keeps its settings; then waits
; up to five seconds for the windows to go and for the program's file to be free.
!macro CloseViewers un
Function ${un}CloseViewers
    Push $0
    Push $1
    StrCpy $0 0
    ${Do}
        FindWindow $0 "${VIEWER_CLASS}" "" 0 $0
        ${IfThen} $0 = 0 ${|} ${ExitDo} ${|}
        ; Posted, not sent: a viewer busy with a dialog must not hold the setup up.
        System::Call "user32::PostMessageW(p r0, i ${WM_CLOSE}, p 0, p 0)"
    ${Loop}
    ${For} $1 1 50
        FindWindow $0 "${VIEWER_CLASS}"
        ${If} $0 = 0
            ${IfNot} ${FileExists} "$INSTDIR\tsviewer.exe"
                ${ExitFor}
            ${EndIf}
            ; A running program's file cannot be opened for writing.
            ClearErrors
            FileOpen $0 "$INSTDIR\tsviewer.exe" a
            ${IfNot} ${Errors}
                FileClose $0
                ${ExitFor}
            ${EndIf}
        ${EndIf}
        Sleep 100
    ${Next}
    Pop $1
    Pop $0
FunctionEnd
!macroend
!insertmacro CloseViewers ""
!insertmacro CloseViewers "un."

; Where a file is still in use, the user is told and chooses: Retry, Ignore (it is done when
; Windows restarts) or Abort; a silent run leaves it for the restart. Anything that cannot even
; be left for the restart stops the run, so that nothing claims an install or uninstall that did
; not happen.
!define IN_USE_TEXT "is in use. Close every Tessmire window and choose Retry, or choose Ignore to \
    finish when Windows restarts."

; Puts "$INSTDIR\<name>.new" in the place of "$INSTDIR\<name>" (the name on the stack).
Function PutInPlace
    Exch $0
    retry:
    ClearErrors
    Delete "$INSTDIR\$0"
    Rename "$INSTDIR\$0.new" "$INSTDIR\$0"
    ${If} ${Errors}
        MessageBox MB_ABORTRETRYIGNORE|MB_ICONEXCLAMATION "$INSTDIR\$0 ${IN_USE_TEXT}" \
            /SD IDIGNORE IDRETRY retry IDABORT stop
        ClearErrors
        Rename /REBOOTOK "$INSTDIR\$0.new" "$INSTDIR\$0"
        ${If} ${Errors}
            MessageBox MB_OK|MB_ICONSTOP "$INSTDIR\$0 could not be replaced." /SD IDOK
            Goto stop
        ${EndIf}
    ${EndIf}
    Pop $0
    Return
    stop:
    Pop $0
    Abort
FunctionEnd

!macro PutFile NAME SOURCE
    File "/oname=${NAME}.new" "${SOURCE}"
    Push "${NAME}"
    Call PutInPlace
!macroend

; Deletes the file named on the stack.
Function un.RemoveFile
    Exch $0
    retry:
    ClearErrors
    Delete "$0"
    ${If} ${Errors}
        MessageBox MB_ABORTRETRYIGNORE|MB_ICONEXCLAMATION "$0 ${IN_USE_TEXT}" \
            /SD IDIGNORE IDRETRY retry IDABORT stop
        ClearErrors
        Delete /REBOOTOK "$0"
        ${If} ${Errors}
            MessageBox MB_OK|MB_ICONSTOP "$0 could not be removed." /SD IDOK
            Goto stop
        ${EndIf}
    ${EndIf}
    Pop $0
    Return
    stop:
    Pop $0
    Abort
FunctionEnd

!macro RemoveFile PATH
    Push "${PATH}"
    Call un.RemoveFile
!macroend

; What is left for the restart: a silent run ends with ERROR_SUCCESS_REBOOT_REQUIRED, the user is
; asked whether to restart now.
!macro OfferRestart TEXT
    ${If} ${RebootFlag}
        ${If} ${Silent}
            SetErrorLevel 3010
        ${Else}
            ${If} ${Cmd} `MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 "${TEXT}" IDYES`
                Reboot
            ${EndIf}
        ${EndIf}
    ${EndIf}
!macroend

Function .onInit
    !insertmacro MachineWideContext
    ; An upgrade goes where the earlier install went, unless /D= names another folder.
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 != ""
    ${AndIf} $INSTDIR == "${INSTDIR_DEFAULT}"
        StrCpy $INSTDIR $0
    ${EndIf}
FunctionEnd

Section "Tessmire"
    ; The outermost of the folders above $INSTDIR that do not exist yet, before SetOutPath makes
    ; them.
    StrCpy $R0 ""
    StrCpy $R1 "$INSTDIR"
    ${Do}
        ${GetParent} "$R1" $R2
        ${If} $R2 == ""
        ${OrIf} $R2 == $R1
        ${OrIf} ${FileExists} "$R2\*.*"
            ${ExitDo}
        ${EndIf}
        StrCpy $R0 $R2
        StrCpy $R1 $R2
    ${Loop}
    ReadRegStr $R1 HKLM "${UNINSTALL_KEY}" "InstallLocation"

    SetOutPath "$INSTDIR"
    Call CloseViewers
    !insertmacro PutFile tsviewer.exe "${VIEWER}"
    !insertmacro PutFile help.chm "${HELP}"
    !insertmacro PutFile tscleanup.exe "${CLEANUP}"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    CreateShortcut "$SMPROGRAMS\Tessmire.lnk" "$INSTDIR\tsviewer.exe"

    ; Apps & features.
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Tessmire"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Tessmire"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tsviewer.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ; An upgrade in place keeps what the first install made.
    ${If} $R0 != ""
        WriteRegStr HKLM "${UNINSTALL_KEY}" "${CREATED_PARENT}" "$R0"
    ${ElseIf} $R1 != $INSTDIR
        DeleteRegValue HKLM "${UNINSTALL_KEY}" "${CREATED_PARENT}"
    ${EndIf}

    ; Default apps: what Settings and "Open with" offer the viewer for. The ProgIDs themselves
    ; are written by "install" below.
    WriteRegStr HKLM "${CAPABILITIES_KEY}" "ApplicationName" "Tessmire"
    WriteRegStr HKLM "${CAPABILITIES_KEY}" "ApplicationDescription" \
        "Shows page images: whole web pages saved as JPEG pictures, with their title and address."
    WriteRegStr HKLM "${CAPABILITIES_KEY}\FileAssociations" ".jpeg" "tessmirejpgfile"
    WriteRegStr HKLM "${CAPABILITIES_KEY}\FileAssociations" ".jpg" "tessmirejpgfile"
    WriteRegStr HKLM "${CAPABILITIES_KEY}\FileAssociations" ".mire" "tessmirefile"
    WriteRegStr HKLM "${CAPABILITIES_KEY}\FileAssociations" ".mre" "tessmirefile"
    WriteRegStr HKLM "SOFTWARE\RegisteredApplications" "Tessmire" "${CAPABILITIES_KEY}"

    WriteRegStr HKLM "${APPLICATION_KEY}" "FriendlyAppName" "Tessmire"
    WriteRegStr HKLM "${APPLICATION_KEY}\SupportedTypes" ".jpeg" ""
    WriteRegStr HKLM "${APPLICATION_KEY}\SupportedTypes" ".jpg" ""
    WriteRegStr HKLM "${APPLICATION_KEY}\SupportedTypes" ".mire" ""
    WriteRegStr HKLM "${APPLICATION_KEY}\SupportedTypes" ".mre" ""
    WriteRegStr HKLM "${APPLICATION_KEY}\shell\open\command" "" '"$INSTDIR\tsviewer.exe" %1'
    WriteRegStr HKLM "SOFTWARE\Classes\.jpeg\OpenWithProgids" "tessmirejpgfile" ""
    WriteRegStr HKLM "SOFTWARE\Classes\.jpg\OpenWithProgids" "tessmirejpgfile" ""

    ; The viewer takes ".jpeg" over and keeps the handler it replaced; a second run keeps the
    ; first record. It shows nothing.
    ExecWait '"$INSTDIR\tsviewer.exe" install'

    !insertmacro OfferRestart "Tessmire is installed; some of its files are replaced when \
        Windows restarts. Restart now?"
SectionEnd

Function un.onInit
    !insertmacro MachineWideContext
FunctionEnd

Section "Uninstall"
    ; Running viewers close first: each saves its settings on the way, which must come before
    ; the settings can go, and their files must be free to go.
    Call un.CloseViewers
    ; Then give the associations back, while the record of the earlier handlers is there.
    ExecWait '"$INSTDIR\tsviewer.exe" uninstall'
    ExecWait '"$INSTDIR\tscleanup.exe"'

    ; The files before the uninstall entry: until they are gone or left for the restart, the
    ; entry stays for another try.
    !insertmacro RemoveFile "$INSTDIR\tsviewer.exe"
    !insertmacro RemoveFile "$INSTDIR\help.chm"
    !insertmacro RemoveFile "$INSTDIR\tscleanup.exe"
    !insertmacro RemoveFile "$INSTDIR\uninstall.exe"
    Delete "$SMPROGRAMS\Tessmire.lnk"

    DeleteRegValue HKLM "SOFTWARE\RegisteredApplications" "Tessmire"
    DeleteRegKey HKLM "${APPLICATION_KEY}"
    DeleteRegValue HKLM "SOFTWARE\Classes\.jpeg\OpenWithProgids" "tessmirejpgfile"
    DeleteRegKey /ifempty HKLM "SOFTWARE\Classes\.jpeg\OpenWithProgids"
    DeleteRegValue HKLM "SOFTWARE\Classes\.jpg\OpenWithProgids" "tessmirejpgfile"
    DeleteRegKey /ifempty HKLM "SOFTWARE\Classes\.jpg\OpenWithProgids"
    ; Capabilities, the handler records and any settings earlier versions kept for the machine.
    DeleteRegKey HKLM "${APP_KEY}"

    ; The user's own settings stay unless asked for: /REMOVESETTINGS when silent.
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/REMOVESETTINGS" $1
    ${IfNot} ${Errors}
        DeleteRegKey HKCU "Software\tessmire"
    ${ElseIfNot} ${Silent}
        ${If} ${Cmd} `MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
                "Remove your Tessmire settings too?" IDYES`
            DeleteRegKey HKCU "Software\tessmire"
        ${EndIf}
    ${EndIf}

    ; SHCNE_ASSOCCHANGED: Explorer forgets the application and its types.
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

    ReadRegStr $2 HKLM "${UNINSTALL_KEY}" "${CREATED_PARENT}"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"

    ; Last, so that a caller can take the folder's going as the end of the uninstall. Not /r: the
    ; folder may have been chosen with other files in it. With files left for the restart, the
    ; folder goes after them.
    ${If} ${RebootFlag}
        RMDir /REBOOTOK "$INSTDIR"
    ${Else}
        RMDir "$INSTDIR"
    ${EndIf}
    ; The folders the install made above it, from the inside out, each only while empty.
    StrCpy $3 "$INSTDIR"
    ; Only a folder above $INSTDIR counts.
    StrLen $4 "$2\"
    StrCpy $4 "$INSTDIR" $4
    ${IfThen} $4 != "$2\" ${|} StrCpy $2 $3 ${|}
    ${DoUntil} $3 == $2
        ${GetParent} "$3" $4
        ${If} $4 == ""
        ${OrIf} $4 == $3
            ${ExitDo}
        ${EndIf}
        StrCpy $3 $4
        ClearErrors
        RMDir "$3"
        ${IfThen} ${Errors} ${|} ${ExitDo} ${|}
    ${Loop}

    !insertmacro OfferRestart "Tessmire is removed; some of its files go when Windows \
        restarts. Restart now?"
SectionEnd
