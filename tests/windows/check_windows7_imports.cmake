# Reads back the import tables of the Windows programs in PROGRAMS
# (OBJDUMP): each must start on Windows 7 SP1. Its loader refuses a program
# that imports a function or a DLL Windows 7 lacks ("entry point not
# found") or whose header asks for a newer subsystem, before it runs a line.
# The newer functions listed are those the program, its runtimes and the
# installer's stub could reach for: the per-monitor density family and the
# like; they may be looked up at run time, never imported.
cmake_minimum_required(VERSION 3.25)

set(newer_functions
  # user32, Windows 8.1 and 10.
  GetDpiForWindow GetDpiForSystem GetSystemDpiForProcess AdjustWindowRectExForDpi GetSystemMetricsForDpi
  SystemParametersInfoForDpi EnableNonClientDpiScaling SetProcessDpiAwarenessContext
  SetThreadDpiAwarenessContext GetThreadDpiAwarenessContext GetWindowDpiAwarenessContext
  GetAwarenessFromDpiAwarenessContext GetDpiFromDpiAwarenessContext AreDpiAwarenessContextsEqual
  SetThreadDpiHostingBehavior LogicalToPhysicalPointForPerMonitorDPI PhysicalToLogicalPointForPerMonitorDPI
  EnableMouseInPointer GetPointerType GetPointerInfo
  # shcore, Windows 8.1.
  GetDpiForMonitor SetProcessDpiAwareness GetProcessDpiAwareness GetScaleFactorForMonitor
  # kernel32, Windows 8 and 10 (and Windows 7 only with an update).
  GetSystemTimePreciseAsFileTime CreateFile2 CopyFile2 GetCurrentThreadStackLimits WaitOnAddress
  WakeByAddressSingle WakeByAddressAll InitializeSynchronizationBarrier EnterSynchronizationBarrier
  SetThreadDescription GetThreadDescription PrefetchVirtualMemory GetOverlappedResultEx
  SetDefaultDllDirectories AddDllDirectory RemoveDllDirectory GetProcessMitigationPolicy
  SetProcessMitigationPolicy CreateFileMappingFromApp VirtualAllocFromApp GetPackageFamilyName
  GetCurrentPackageId
  # ole32 and combase, Windows 8.
  CoIncrementMTAUsage CoDecrementMTAUsage RoInitialize RoUninitialize RoGetActivationFactory)
# DLLs that Windows 7 does not have, or has only with an update.
set(newer_dll_pattern "^(api-ms-win-.*|ext-ms-win-.*|shcore|combase|ucrtbase|vcruntime.*|msvcp1[4-9].*|dcomp|d3d12|windows\\..*)\\.dll$")

foreach(program IN LISTS PROGRAMS)
  get_filename_component(name ${program} NAME)
  execute_process(COMMAND ${OBJDUMP} -p ${program} OUTPUT_VARIABLE headers COMMAND_ERROR_IS_FATAL ANY)
  foreach(field IN ITEMS MajorOSystemVersion MajorSubsystemVersion)
    string(REGEX REPLACE "^Major" "Minor" minor_field ${field})
    if(NOT headers MATCHES "\n${field}[\t ]+([0-9]+)\n")
      message(FATAL_ERROR "${name}: no ${field} in its header")
    endif()
    set(major ${CMAKE_MATCH_1})
    string(REGEX MATCH "\n${minor_field}[\t ]+([0-9]+)\n" _ "${headers}")
    if(major GREATER 6 OR (major EQUAL 6 AND CMAKE_MATCH_1 GREATER 1))
      message(FATAL_ERROR "${name}: its header asks for Windows ${major}.${CMAKE_MATCH_1} (${field})")
    endif()
  endforeach()

  # The import table: "DLL Name: X" and below it one line per function.
  string(REPLACE "\n" ";" lines "${headers}")
  set(dll "")
  set(imported 0)
  foreach(line IN LISTS lines)
    if(line MATCHES "DLL Name: (.+)$")
      string(TOLOWER "${CMAKE_MATCH_1}" dll)
      if(dll MATCHES "${newer_dll_pattern}")
        message(FATAL_ERROR "${name} imports ${dll}, which Windows 7 SP1 does not have")
      endif()
    elseif(NOT dll STREQUAL "" AND line MATCHES "^\t[0-9a-f]+\t +[0-9]+ +([A-Za-z_][A-Za-z0-9_]*)$")
      math(EXPR imported "${imported} + 1")
      if(CMAKE_MATCH_1 IN_LIST newer_functions)
        message(FATAL_ERROR "${name} imports ${CMAKE_MATCH_1} from ${dll}, which Windows 7 SP1 does not have")
      endif()
    endif()
  endforeach()
  if(imported EQUAL 0)
    message(FATAL_ERROR "${name}: no imported function read from its header")
  endif()
  message(STATUS "${name}: ${imported} imported functions, all on Windows 7 SP1")
endforeach()
