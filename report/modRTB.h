#pragma once

#include "platform/WindowMessaging.h"

// Makes the web addresses in a rich-text box open in the default browser when pressed: the
// parent window's procedure is replaced by RichTextLinkProc, which picks the left-button press
// on an address out of the box's link notifications and hands the address to the shell.
// One box at a time.
namespace modRTB {

// The parent window's previous procedure; 0 while no window is hooked.
extern platform::LONG_PTR lpPrevWndProc;
// The link-aware box, and the window whose procedure was replaced.
extern platform::HWND hWndRTB;
extern platform::HWND hWndParent;

// Characters of the buffer a link is read into, its terminating NUL included: a longer link is
// cut to its first 1023 characters.
inline constexpr int LinkBufferChars = 1024;

// Hooks the window `parent`, which receives the notifications of the box `rtb`, and switches on
// the box's link notifications and address detection. Hooking again first unhooks the window
// hooked before.
void HookRichTextLinks(platform::HWND rtb, platform::HWND parent);
// Switches address detection off and gives the parent its previous procedure back; does nothing
// while unhooked.
void UnhookRichTextLinks();
// The parent's procedure while hooked: opens a link on its left-button press and passes every
// message on to the previous procedure.
platform::LRESULT RichTextLinkProc(platform::HWND hWnd, platform::UINT uMsg,
                                   platform::WPARAM wParam, platform::LPARAM lParam);

} // namespace modRTB
