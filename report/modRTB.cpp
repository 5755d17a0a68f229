#include "report/modRTB.h"

#include "platform/Shell.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

using namespace platform;

namespace modRTB {

LONG_PTR lpPrevWndProc = 0;
HWND hWndRTB = nullptr;
HWND hWndParent = nullptr;

void HookRichTextLinks(HWND rtb, HWND parent) {
    // Hooking again would make RichTextLinkProc its own predecessor, calling itself without
    // end: the window hooked before gets its own procedure back first.
    UnhookRichTextLinks();
    lpPrevWndProc =
        SetWindowLongA(parent, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&RichTextLinkProc));
    const LRESULT mask = SendMessageA(rtb, EM_GETEVENTMASK, 0, 0);
    SendMessageA(rtb, EM_SETEVENTMASK, 0, mask | ENM_LINK);
    SendMessageA(rtb, EM_AUTOURLDETECT, 1, 0);
    hWndRTB = rtb;
    hWndParent = parent;
}

void UnhookRichTextLinks() {
    if (lpPrevWndProc == 0) {
        return;
    }
    SendMessageA(hWndRTB, EM_AUTOURLDETECT, 0, 0);
    SetWindowLongA(hWndParent, GWL_WNDPROC, lpPrevWndProc);
    lpPrevWndProc = 0;
}

LRESULT RichTextLinkProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (uMsg == WM_NOTIFY && lParam != 0) {
        NMHDR header;
        RtlMoveMemory(&header, reinterpret_cast<const void*>(lParam), sizeof header);
        if (header.hwndFrom == hWndRTB && header.code == EN_LINK) {
            ENLINK link;
            RtlMoveMemory(&link, reinterpret_cast<const void*>(lParam), sizeof link);
            if (link.msg == WM_LBUTTONDOWN) {
                std::array<char, LinkBufferChars> buffer;
                buffer.fill(' ');
                TEXTRANGEA range;
                // The box writes the characters and a NUL: keep the range to what fits. A range
                // that starts before the text starts at its beginning, and an end of -1 (the
                // text's end) or past the buffer is cut to the buffer.
                range.chrg.cpMin = std::max<LONG>(link.chrg.cpMin, 0);
                const long long last =
                    static_cast<long long>(range.chrg.cpMin) + (LinkBufferChars - 1);
                range.chrg.cpMax = static_cast<LONG>(
                    std::min<long long>({link.chrg.cpMax < 0 ? last : link.chrg.cpMax, last,
                                         static_cast<long long>(INT32_MAX)}));
                range.lpstrText = buffer.data();
                const LRESULT n =
                    SendMessageA(hWndRTB, EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range));
                const std::string address(
                    buffer.data(),
                    static_cast<std::size_t>(std::clamp<LRESULT>(n, 0, LinkBufferChars - 1)));
                ShellExecuteA(hWndParent, "Open", address.c_str(), nullptr, nullptr, SW_SHOW);
            }
        }
    }
    return CallWindowProcA(lpPrevWndProc, hWnd, uMsg, wParam, lParam);
}

} // namespace modRTB
