; What the installer and the uninstaller share: the product's names and
; places, and their version records. Included by both scripts once they
; have defined VERSION.

!define PUBLISHER "Velmora team"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmora"
!define SHORTCUT "$SMPROGRAMS\Аккорды.lnk"

; The program's version record, as Velmora.exe's (U.S. English), described
; as DESCRIPTION.
!macro VELMORA_VERSION_RECORD DESCRIPTION
  VIProductVersion "${VERSION}"
  VIFileVersion "${VERSION}"
  VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "Velmora"
  VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PUBLISHER}"
  VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${DESCRIPTION}"
  VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
  VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
  VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "Copyright (C) 2026 ${PUBLISHER}"
!macroend
