#include "report/modRTB.h"

#include "controls/RichTextBox.h"
#include "platform/WebOpener.h"

#include <QWidget>

namespace modRTB {

QPointer<controls::RichTextBox> linkBox;
QPointer<QWidget> linkParent;
QPointer<QObject> linkFilter;

namespace {

// The parent's event filter: hands every event to RichTextLinkProc. A child of the parent, so it
// goes with it.
class LinkFilter : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        return RichTextLinkProc(watched, event);
    }
};

} // namespace

void HookRichTextLinks(controls::RichTextBox* box, QWidget* parent) {
    UnhookRichTextLinks();
    linkFilter = new LinkFilter(parent);
    parent->installEventFilter(linkFilter);
    box->SetLinkReports(parent);
    box->SetUrlDetection(true);
    linkBox = box;
    linkParent = parent;
}

void UnhookRichTextLinks() {
    if (linkFilter.isNull()) {
        return;
    }
    if (linkBox) {
        linkBox->SetUrlDetection(false);
    }
    delete linkFilter;
}

bool RichTextLinkProc(QObject*, QEvent* event) {
    if (event->type() == controls::LinkEvent::EventType()) {
        const auto* link = static_cast<const controls::LinkEvent*>(event);
        if (link->box == linkBox && link->action == controls::LinkEvent::Press &&
            link->button == Qt::LeftButton) {
            // The whole address, however long: a cut one would be another address.
            platform::OpenWebAddress(linkBox->TextInRange(link->start, link->end));
        }
    }
    return false;
}

} // namespace modRTB
