; A Velmora that is running while the installer or the uninstaller would
; replace or remove its program. The chart has nothing to save, so it is
; asked to close as its close button would ask it; a copy that does not go
; ends the installation, which has then changed nothing.
; Included by both scripts after their languages.

; The chart's window class (win32/forms/control_ids.h).
!define VELMORA_CHART_CLASS "VelmoraForm1"
; How long a closing Velmora is waited for, in tenths of a second.
!define VELMORA_CLOSE_WAIT 50

LangString VelmoraStillRunning ${LANG_RUSSIAN} "Velmora открыта и не закрывается.$\r$\nЗакройте её и нажмите «Повтор».$\r$\n«Отмена» оставит всё как было."
LangString VelmoraStillRunning ${LANG_ENGLISH} "Velmora is open and does not close.$\r$\nClose it and press Retry.$\r$\nCancel leaves everything as it was."
LangString VelmoraNothingChanged ${LANG_RUSSIAN} "Velmora не закрылась: ничего не изменено."
LangString VelmoraNothingChanged ${LANG_ENGLISH} "Velmora did not close: nothing was changed."

; Sets $3 to 1 where the program file in $INSTDIR could be written now,
; or where there is none; to 0 where it is held, as a running program's is.
; Opened for writing, shared with everyone else, and closed at once.
Function VelmoraProgramFree
  StrCpy $3 1
  ${If} ${FileExists} "$INSTDIR\Velmora.exe"
    ; GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
    ; OPEN_EXISTING.
    System::Call "kernel32::CreateFileW(w '$INSTDIR\Velmora.exe', i 0x40000000, i 7, p 0, i 3, i 0, p 0) p .r3"
    ${If} $3 P= -1
      StrCpy $3 0
    ${Else}
      System::Call "kernel32::CloseHandle(p r3)"
      StrCpy $3 1
    ${EndIf}
  ${EndIf}
FunctionEnd

; Asks every running Velmora to close and waits until none is left and the
; program file is free. Where one stays, interactively asks to retry or
; cancel; silently, or on Cancel, ends the installation with status 2.
Function CloseVelmora
  Push $0
  Push $1
  Push $2
  Push $3
  retry:
  StrCpy $1 0
  StrCpy $2 0
  ${Do}
    FindWindow $0 "${VELMORA_CHART_CLASS}"
    StrCpy $3 0
    ${If} $0 = 0
      Call VelmoraProgramFree
    ${EndIf}
    ${If} $3 = 1
      Pop $3
      Pop $2
      Pop $1
      Pop $0
      Return
    ${EndIf}
    ; Each window is asked once: a program that does not answer is not
    ; waited on here, only for.
    ${If} $0 <> 0
    ${AndIf} $0 <> $2
      System::Call "user32::PostMessageW(p r0, i ${WM_CLOSE}, p 0, p 0)"
      StrCpy $2 $0
    ${EndIf}
    Sleep 100
    IntOp $1 $1 + 1
  ${LoopUntil} $1 >= ${VELMORA_CLOSE_WAIT}
  MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(VelmoraStillRunning)" /SD IDCANCEL IDRETRY retry
  DetailPrint "$(VelmoraNothingChanged)"
  SetErrorLevel 2
  Abort
FunctionEnd
