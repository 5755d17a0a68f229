#pragma once

#include "platform/WindowMessaging.h"

#include <cstdint>

// Opening web addresses in the user's default browser, in the manner of the Windows shell.
namespace platform {

using HINSTANCE_RESULT = std::intptr_t;

// Show commands.
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_SHOW = 5;

// Results at or below 32 are failures.
inline constexpr HINSTANCE_RESULT ERROR_FILE_NOT_FOUND = 2;
inline constexpr HINSTANCE_RESULT SE_ERR_NOASSOC = 31;
inline constexpr HINSTANCE_RESULT SHELL_OPENED = 42;

// Opens the web address `lpFile` with the verb "Open" (or a null verb) through
// QDesktopServices::openUrl and returns at once; the browser runs as a program of its own.
// The address is single-byte text and reaches the browser as given. Only web addresses open:
// http, https, ftp and mailto; an address that starts with "www." and has no scheme opens as
// "http://" followed by it, as the Windows shell does. The owner window, the parameters, the
// working folder and the show command are accepted and not needed: the desktop starts the
// browser in its own folder and window.
// Returns SHELL_OPENED (above 32) when the address was handed on, ERROR_FILE_NOT_FOUND for an
// empty or malformed address, SE_ERR_NOASSOC for another verb or scheme or when no browser took
// it.
HINSTANCE_RESULT ShellExecuteA(HWND hwnd, const char* lpOperation, const char* lpFile,
                               const char* lpParameters, const char* lpDirectory, int nShowCmd);

} // namespace platform
