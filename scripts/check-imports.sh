#!/usr/bin/env bash
# Fails when a Windows binary imports a function that Windows 2000 does not have, or
# imports a network library at all: the Internet library is loaded at run time from the
# system folder, and only by the download threads.
set -euo pipefail
bin=$1
case "$bin" in
  *mingw32*) objdump=i686-w64-mingw32-objdump ;;
  *) objdump=x86_64-w64-mingw32-objdump ;;
esac
deny='^(GetTickCount64|.*SRWLock.*|.*ConditionVariable.*|InitOnce.*|InitializeCriticalSectionEx|CreateEventEx.*|CreateMutexEx.*|CreateSemaphoreEx.*|GetSystemTimePreciseAsFileTime|Fls(Alloc|Free|GetValue|SetValue)|(Get|Set)ThreadDescription|CompareStringEx|LCMapStringEx|GetLocaleInfoEx|GetUserDefaultLocaleName|LocaleNameToLCID|LCIDToLocaleName|GetDateFormatEx|GetTimeFormatEx|GetNumberFormatEx|GetCurrencyFormatEx|IsValidLocaleName|EnumSystemLocalesEx|ResolveLocaleName|GetFileInformationByHandleEx|SetFileInformationByHandle|CancelIoEx|GetQueuedCompletionStatusEx|WakeByAddress.*|WaitOnAddress|SetProcessDPIAware|SetProcessDpiAwareness.*|GetDpiForWindow|GetDpiForSystem|SetThreadStackGuarantee|QueryFullProcessImageName.*|GetFinalPathNameByHandle.*|CreateSymbolicLink.*|GetErrorMode|RegGetValue.*|RegDeleteKeyEx.*|RegSetKeyValue.*|SHGetKnownFolderPath|AddDllDirectory|SetDefaultDllDirectories|GetLogicalProcessorInformation.*|GetCurrentProcessorNumber.*|InterlockedCompareExchange64|GetNativeSystemInfo|IsWow64Process|GetModuleHandleEx.*|AttachConsole|GetConsoleWindow|SetDllDirectory.*|InitializeSListHead|InterlockedPushEntrySList|InterlockedPopEntrySList|_.*_s_l)$'
imports=$("$objdump" -p "$bin" | awk '/DLL Name:/{dll=$3} /^\t[0-9a-f]+[ \t]+[0-9]+[ \t]+[A-Za-z_?@]/{print dll" "$NF}')
bad=$(echo "$imports" | awk '{print $2}' | grep -E "$deny" || true)
if [ -n "$bad" ]; then
  echo "$bin imports what Windows 2000 lacks:"
  echo "$bad" | sed 's/^/  /'
  exit 1
fi
net=$("$objdump" -p "$bin" | awk '/DLL Name:/{print $3}' | grep -i -E '^(wininet|winhttp|ws2_32|wsock32)\.dll$' || true)
if [ -n "$net" ]; then
  echo "$bin imports a network library:"
  echo "$net" | sed 's/^/  /'
  exit 1
fi
echo "$bin: $(echo "$imports" | wc -l) imports, none newer than Windows 2000, no network library"
