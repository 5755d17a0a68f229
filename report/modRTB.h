#pragma once

#include <QPointer>

class QEvent;
class QObject;
class QWidget;

namespace controls {
class RichTextBox;
}

// Makes the web addresses in a rich-text box open in the default browser when pressed: the box
// reports what the mouse does over an address to the window it was hooked to, and
// RichTextLinkProc, put in front of that window's own event handling, picks the left-button press
// out of the reports and hands the address to the desktop. One box at a time.
namespace modRTB {

// The link-aware box, and the window its reports go to.
extern QPointer<controls::RichTextBox> linkBox;
extern QPointer<QWidget> linkParent;
// What puts RichTextLinkProc in front of the parent's handling; null while unhooked.
extern QPointer<QObject> linkFilter;

// Puts RichTextLinkProc in front of the window `parent`, which receives the reports of the box
// `box`, then switches on the box's link reports and address detection. Hooking again first
// unhooks the window hooked before.
void HookRichTextLinks(controls::RichTextBox* box, QWidget* parent);
// Switches address detection off and takes RichTextLinkProc away from the parent; does nothing
// while unhooked.
void UnhookRichTextLinks();
// Sees every event of the parent while hooked: opens a link on its left-button press. Returns
// false always, so every event, the handled press included, goes on to the parent.
bool RichTextLinkProc(QObject* watched, QEvent* event);

} // namespace modRTB
