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

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tessmire"
; The same key as the viewer's own machine key (SOFTWARE\tessmire): it also holds the records of
; the JPEG handlers "install" replaced, which must survive an upgrade.
!define APP_KEY "SOFTWARE\Tessmire"
!define CAPABILITIES_KEY "${APP_KEY}\Capabilities"
!define APPLICATION_KEY "SOFTWARE\Classes\Applications\tsviewer.exe"

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
    SetOutPath "$INSTDIR"
    ; Over an earlier install the files are simply overwritten.
    File "/oname=tsviewer.exe" "${VIEWER}"
    File "/oname=help.chm" "${HELP}"
    File "/oname=tscleanup.exe" "${CLEANUP}"
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
SectionEnd

Function un.onInit
    !insertmacro MachineWideContext
FunctionEnd

Section "Uninstall"
    ; First give the associations back, while the record of the earlier handlers is there.
    ExecWait '"$INSTDIR\tsviewer.exe" uninstall'
    ExecWait '"$INSTDIR\tscleanup.exe"'

    Delete "$SMPROGRAMS\Tessmire.lnk"

    DeleteRegValue HKLM "SOFTWARE\RegisteredApplications" "Tessmire"
    DeleteRegKey HKLM "${APPLICATION_KEY}"
    DeleteRegValue HKLM "SOFTWARE\Classes\.jpeg\OpenWithProgids" "tessmirejpgfile"
    DeleteRegKey /ifempty HKLM "SOFTWARE\Classes\.jpeg\OpenWithProgids"
    DeleteRegValue HKLM "SOFTWARE\Classes\.jpg\OpenWithProgids" "tessmirejpgfile"
    DeleteRegKey /ifempty HKLM "SOFTWARE\Classes\.jpg\OpenWithProgids"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
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

    Delete "$INSTDIR\tsviewer.exe"
    Delete "$INSTDIR\help.chm"
    Delete "$INSTDIR\tscleanup.exe"
    Delete "$INSTDIR\uninstall.exe"
    ; Last, so that a caller can take the folder's going as the end of the uninstall. Not /r: the
    ; folder may have been chosen with other files in it.
    RMDir "$INSTDIR"
SectionEnd
