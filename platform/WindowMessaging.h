#pragma once

#include <cstddef>
#include <cstdint>

class QWidget;

// Window messaging in the manner of Windows: every window and rich-text box gets a handle, each
// handle has a window procedure, and messages sent to a handle go to its current procedure.
// SetWindowLongA swaps a procedure for another (subclassing) and CallWindowProcA chains to the
// previous one. A plain window's own procedure does nothing and returns 0; a rich-text box's
// answers the rich edit messages below.
//
// The value types are pointer-sized as on 64-bit Windows, and the records below have the 64-bit
// Windows layout: handles and WPARAM/LPARAM take 8 bytes, so NMHDR is 24 bytes, ENLINK 56 and
// TEXTRANGEA 16 (the 32-bit layouts are 12, 32 and 12).
namespace platform {

struct HWND__;
using HWND = HWND__*;
using UINT = std::uint32_t;
using LONG = std::int32_t;
using UINT_PTR = std::uintptr_t;
using LONG_PTR = std::intptr_t;
using WPARAM = UINT_PTR;
using LPARAM = LONG_PTR;
using LRESULT = LONG_PTR;
using WNDPROC = LRESULT (*)(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

// SetWindowLongA index of the window procedure.
inline constexpr int GWL_WNDPROC = -4;

// Window messages.
inline constexpr UINT WM_SETCURSOR = 0x0020;
inline constexpr UINT WM_NOTIFY = 0x004E;
inline constexpr UINT WM_MOUSEMOVE = 0x0200;
inline constexpr UINT WM_LBUTTONDOWN = 0x0201;
inline constexpr UINT WM_LBUTTONUP = 0x0202;
inline constexpr UINT WM_LBUTTONDBLCLK = 0x0203;
inline constexpr UINT WM_RBUTTONDOWN = 0x0204;
inline constexpr UINT WM_RBUTTONUP = 0x0205;
inline constexpr UINT WM_RBUTTONDBLCLK = 0x0206;
inline constexpr UINT WM_USER = 0x0400;

// Key state flags in the wParam of mouse messages; hit-test code in WM_SETCURSOR's lParam.
inline constexpr WPARAM MK_LBUTTON = 0x0001;
inline constexpr WPARAM MK_RBUTTON = 0x0002;
inline constexpr WPARAM MK_SHIFT = 0x0004;
inline constexpr WPARAM MK_CONTROL = 0x0008;
inline constexpr WPARAM MK_MBUTTON = 0x0010;
inline constexpr LONG_PTR HTCLIENT = 1;

// Rich edit messages, notification and event mask bit.
inline constexpr UINT EM_GETEVENTMASK = WM_USER + 59;  // 0x043B
inline constexpr UINT EM_SETEVENTMASK = WM_USER + 69;  // 0x0445
inline constexpr UINT EM_GETTEXTRANGE = WM_USER + 75;  // 0x044B
inline constexpr UINT EM_AUTOURLDETECT = WM_USER + 91; // 0x045B
inline constexpr UINT EN_LINK = 0x070B;
inline constexpr LONG ENM_LINK = 0x04000000;

// Header of every WM_NOTIFY record.
struct NMHDR {
    HWND hwndFrom;   // the sending window
    UINT_PTR idFrom; // its control identifier (0: boxes here have none)
    UINT code;       // notification code
};

// A range of character positions; cpMax -1 means the end of the text.
struct CHARRANGE {
    LONG cpMin;
    LONG cpMax;
};

// EN_LINK record: the mouse or cursor message that happened over a web address, and its range.
struct ENLINK {
    NMHDR nmhdr;
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
    CHARRANGE chrg;
};

// EM_GETTEXTRANGE record: the range to read and the buffer that receives its characters, one
// byte each, and a terminating NUL. The buffer must hold cpMax - cpMin + 1 bytes.
struct TEXTRANGEA {
    CHARRANGE chrg;
    char* lpstrText;
};
using TEXTRANGE = TEXTRANGEA;

static_assert(sizeof(void*) != 8 ||
              (sizeof(NMHDR) == 24 && sizeof(ENLINK) == 56 && sizeof(TEXTRANGEA) == 16));

// The widget's handle, made on first request. A handle is never reused and is forgotten when its
// widget is destroyed. Null for a null widget.
HWND HandleOf(QWidget* widget);
// Gives a widget a handle whose own window procedure is `proc`; a widget that already has a
// handle keeps it and gets `proc` as its procedure. For controls that answer messages.
HWND RegisterWindow(QWidget* widget, WNDPROC proc);
// The widget behind a handle; null for a null, unknown or destroyed window.
QWidget* WidgetOf(HWND hWnd);

// The procedure of a plain window: does nothing and returns 0.
LRESULT DefWindowProcA(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

// With GWL_WNDPROC, makes `dwNewLong` (a WNDPROC's address) the window's procedure and returns
// the previous one. Returns 0 and changes nothing for an unknown window, another index or a null
// procedure.
LONG_PTR SetWindowLongA(HWND hWnd, int nIndex, LONG_PTR dwNewLong);
// Calls the procedure at `lpPrevWndFunc` with the message; 0 when it is null.
LRESULT CallWindowProcA(LONG_PTR lpPrevWndFunc, HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
// Calls the window's current procedure with the message and returns its result; 0 for an unknown
// or destroyed window.
LRESULT SendMessageA(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

// Copies `length` bytes; the ranges may overlap.
void RtlMoveMemory(void* destination, const void* source, std::size_t length);

} // namespace platform
