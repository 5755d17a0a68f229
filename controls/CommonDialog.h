#pragma once

#include <QString>

#include <memory>

class QPrinter;
class QWidget;

// The common dialog control in the manner of the Windows one: set Filter, DefaultExt, Flags,
// DialogTitle, FileName and CancelError, then ShowSave or ShowPrinter. The flags keep their Win32
// values. One dialog per window: its settings and its printer last as long as the object.
namespace controls {

// Save As flags.
inline constexpr long cdlOFNOverwritePrompt = 0x2;     // ask before replacing a file
inline constexpr long cdlOFNHideReadOnly = 0x4;        // no "open as read-only" box (none here)
inline constexpr long cdlOFNPathMustExist = 0x800;     // the folder must exist
inline constexpr long cdlOFNNoReadOnlyReturn = 0x8000; // a read-only file is refused
// Print flags.
inline constexpr long cdlPDAllPages = 0x0;
inline constexpr long cdlPDSelection = 0x1;   // open with "Selection" chosen
inline constexpr long cdlPDNoSelection = 0x4; // no "Selection" choice
inline constexpr long cdlPDNoPageNums = 0x8;  // no page range
inline constexpr long cdlPDReturnDC = 0x100;  // hDC is the chosen printer

// Result of ShowSave and ShowPrinter: 0, or cdlCancel when the user cancelled with CancelError
// on. With CancelError off a cancel returns 0 and leaves FileName as it was and hDC null.
inline constexpr int cdlCancel = 32755;

class CommonDialog {
public:
    // `owner` is the window the dialogs are modal to.
    explicit CommonDialog(QWidget* owner);
    ~CommonDialog();
    CommonDialog(const CommonDialog&) = delete;
    CommonDialog& operator=(const CommonDialog&) = delete;

    // "Description|pattern" pairs joined by "|"; the first is chosen when the dialog opens.
    QString Filter;
    // Added to a file name typed without an extension. A name that is this extension alone is
    // no name, and is refused.
    QString DefaultExt;
    long Flags = 0;
    QString DialogTitle;
    // Shown when the Save As dialog opens; the chosen path once it is closed with Save.
    QString FileName;
    bool CancelError = false;

    int ShowSave();
    int ShowPrinter();
    // The printer chosen in the last Print dialog, for printing on; null when none was chosen.
    QPrinter* hDC() const;

private:
    QString Refusal(const QString& path) const;

    QWidget* owner_;
    std::unique_ptr<QPrinter> printer_;
    bool printerChosen_ = false;
};

} // namespace controls
