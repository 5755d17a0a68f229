#include "journal/frmJournal.h"

#include "casting/CastingBoard.h"
#include "controls/LinkLabel.h"
#include "controls/Look.h"
#include "controls/SaveAsDialog.h"
#include "controls/Twips.h"
#include "journal/Import.h"
#include "journal/JournalModel.h"
#include "journal/frmFigures.h"
#include "journal/frmImportSummary.h"
#include "journal/frmKeep.h"
#include "platform/AppTitle.h"
#include "platform/MsgBox.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCache>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTimer>

using controls::TwipsRect;

namespace {

// The Journal window that is open: there is one at a time.
QPointer<frmJournal> openWindow;

QString ChartLine(const Mothers& mothers, Tableau tableau) {
    if (tableau == Tableau::Classic) {
        //: One line saying which chart the window is about; %1 is its mothers,
        //: "1112/1112/1211/2121".
        return frmJournal::tr("Mothers %1, classic tableau").arg(MothersText(mothers));
    }
    //: One line saying which chart the window is about; %1 is its mothers.
    return frmJournal::tr("Mothers %1, diviners' tableau").arg(MothersText(mothers));
}

// Draws a cell as one line of text, cut with an ellipsis where it does not fit: what the
// style's own item drawing does for a single line, without its text layout for wrapping. Each
// line shown again is drawn once into a picture, kept a while and copied from there: typing in
// the search box mostly shows again rows just shown, and copying a line is much quicker than
// drawing its glyphs.
class OneLineDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // Draws `text` in the cell's font and `ink` on `paper`, cut to `width` with an ellipsis, its
    // top left at `at`. A line is drawn straight the first time it is shown (opening the window
    // shows each once), and into a kept picture the second.
    void DrawLine(QPainter* painter, QPoint at, const QString& text,
                  const QStyleOptionViewItem& cell, const QColor& ink, const QColor& paper,
                  int width) const {
        const qreal ratio = painter->device()->devicePixelRatioF();
        if (cell.font != keyFont || ratio != keyRatio) {
            keyFont = cell.font;
            keyRatio = ratio;
            keyStart = QStringLiteral("frmJournal|") + cell.font.key() + u'|' +
                       QString::number(ratio) + u'|';
        }
        const QString key = keyStart + QString::number(width) + u'|' + QString::number(ink.rgba()) +
                            u'|' + QString::number(paper.rgba()) + u'|' + text;
        const QPixmap* kept = lines.object(key);
        if (kept && !kept->isNull()) {
            painter->drawPixmap(at, *kept);
            return;
        }
        const QFontMetrics& metrics = cell.fontMetrics;
        const QString shown = metrics.elidedText(text, Qt::ElideRight, width);
        if (!kept) {
            // Seen once: an empty picture marks it.
            lines.insert(key, new QPixmap(), 1);
            painter->setFont(cell.font);
            painter->setPen(ink);
            painter->drawText(at + QPoint(0, metrics.ascent()), shown);
            return;
        }
        const QSize size(std::clamp(metrics.horizontalAdvance(shown) + 1, 1, width),
                         metrics.height());
        auto* line = new QPixmap(size * ratio);
        line->setDevicePixelRatio(ratio);
        line->fill(paper);
        {
            QPainter linePainter(line);
            linePainter.setFont(cell.font);
            linePainter.setPen(ink);
            linePainter.drawText(QPoint(0, metrics.ascent()), shown);
        }
        painter->drawPixmap(at, *line);
        // Its cost in KiB, so that the lines kept stay within LinesKiB.
        lines.insert(key, line,
                     1 + qsizetype(line->width()) * line->height() * line->depth() / 8 / 1024);
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QPalette::ColorGroup group =
            option.state & QStyle::State_Active ? QPalette::Active : QPalette::Inactive;
        const bool selected = option.state & QStyle::State_Selected;
        const QColor paper =
            option.palette.color(group, selected ? QPalette::Highlight : QPalette::Base);
        if (selected) {
            painter->fillRect(option.rect, option.palette.brush(group, QPalette::Highlight));
        }
        const int margin = controls::Twips(60);
        const QRect text = option.rect.adjusted(margin, 0, -margin, 0);
        const QString shown = index.data(Qt::DisplayRole).toString();
        if (!shown.isEmpty() && text.width() > 0) {
            const int top = text.top() + (text.height() - option.fontMetrics.height()) / 2;
            painter->save();
            painter->setClipRect(text);
            DrawLine(
                painter, QPoint(text.left(), top), shown, option,
                option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text),
                paper, text.width());
            painter->restore();
        }
        if (option.state & QStyle::State_HasFocus) {
            QStyleOptionFocusRect focus;
            focus.QStyleOption::operator=(option);
            focus.backgroundColor = paper;
            const QWidget* view = option.widget;
            view->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, view);
        }
    }

private:
    // A few screens of lines (a screen of cells is about 0.5 MiB), so that memory stays small
    // whatever the journal holds; the least lately shown go first.
    static constexpr qsizetype LinesKiB = 2048;
    mutable QCache<QString, QPixmap> lines{LinesKiB};
    // The start of the cache's keys, for this font and pixel ratio.
    mutable QFont keyFont;
    mutable qreal keyRatio = 0;
    mutable QString keyStart;
};

bool EnterKey(const QKeyEvent* key) {
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
           (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// Save As for the export, which refuses the journal's own files in the dialog, saying why: a CSV
// written over them would destroy every kept chart.
class ExportDialog : public controls::SaveAsDialog {
public:
    ExportDialog(QWidget* owner, const journal::JournalStore& store)
        : controls::SaveAsDialog(owner), store(store) {}

    void accept() override {
        const QStringList files = selectedFiles();
        if (!files.isEmpty()) {
            QString file = files.first();
            if (QFileInfo(file).suffix().isEmpty() && !QFileInfo(file).isDir()) {
                file += QStringLiteral(".csv");
            }
            if (store.IsJournalFile(files.first()) || store.IsJournalFile(file)) {
                QMessageBox::warning(
                    this, windowTitle(),
                    //: %1 is the file's full path, on a line of its own.
                    frmJournal::tr("%1\nThis is the journal itself: the export would destroy "
                                   "every kept chart. Choose another name.")
                        .arg(QDir::toNativeSeparators(file)));
                return;
            }
        }
        controls::SaveAsDialog::accept();
    }

private:
    const journal::JournalStore& store;
};

// Screen readers are told the Journal window is a window, with its title, as the main window is
// (a plain widget would be a "filler").
QAccessibleInterface* JournalAccessible(const QString&, QObject* object) {
    if (auto* window = qobject_cast<frmJournal*>(object)) {
        return new QAccessibleWidget(window, QAccessible::Window);
    }
    return nullptr;
}

QSettings Settings() {
    return QSettings(QSettings::UserScope, QStringLiteral("Kelvora"), QStringLiteral("Kelvora"));
}

} // namespace

frmJournal* frmJournal::ShowJournal(CastingBoard* board, QWidget* owner,
                                    journal::JournalStore& store) {
    if (!openWindow) {
        openWindow = new frmJournal(board, owner, store);
        openWindow->setAttribute(Qt::WA_DeleteOnClose);
        openWindow->Place();
    }
    openWindow->show();
    openWindow->raise();
    openWindow->activateWindow();
    return openWindow;
}

frmJournal* frmJournal::OpenWindow() {
    return openWindow;
}

bool frmJournal::KeepChart(QWidget* owner, journal::JournalStore& store, const Mothers& mothers,
                           Tableau tableau) {
    // Said before asking, so that nothing is typed in vain. Another program holding the file
    // may let go while the question is typed: the keep waits for it, and says so if it did not.
    if (store.State() != journal::Access::Writable && !store.Busy()) {
        platform::MsgBox(store.Why().isEmpty() ? store.LastError() : store.Why(), QMessageBox::Ok,
                         QMessageBox::Warning);
        return false;
    }
    //: Title of the window that asks for the question and note of a chart to keep.
    frmKeep ask(owner, tr("Keep in Journal"), ChartLine(mothers, tableau));
    ask.SetWrite([&](const QString& question, const QString& note) {
        const QDateTime now = QDateTime::currentDateTime();
        journal::KeptChart chart;
        chart.mothers = mothers;
        chart.tableau = tableau;
        chart.question = question;
        chart.note = note;
        chart.keptUtc = now.toUTC();
        chart.offsetSeconds = now.offsetFromUtc();
        return store.Keep(chart) ? QString() : store.LastError();
    });
    controls::CenterOnScreen(&ask);
    if (ask.exec() != QDialog::Accepted) {
        return false;
    }
    if (openWindow && &openWindow->store == &store) {
        openWindow->Refresh();
    }
    return true;
}

frmJournal::frmJournal(CastingBoard* board, QWidget* owner, journal::JournalStore& store)
    : frmJournal(board, owner, &store, nullptr) {}

frmJournal::frmJournal(CastingBoard* board, QWidget* owner, const QString& path)
    : frmJournal(board, owner, nullptr, std::make_unique<journal::JournalStore>(path)) {}

frmJournal::~frmJournal() = default;

frmJournal::frmJournal(CastingBoard* board, QWidget* owner, journal::JournalStore* given,
                       std::unique_ptr<journal::JournalStore> own)
    : QWidget(owner), board(board), ownStore(std::move(own)), store(given ? *given : *ownStore) {
    static const bool accessible = [] {
        QAccessible::installFactory(JournalAccessible);
        return true;
    }();
    Q_UNUSED(accessible);
    //: Title of the Journal window.
    controls::SetUpForm(this, "frmJournal", tr("Kelvora Journal"), 9600, 6030);

    //: The label of the search box, 68 pixels wide.
    lblSearch = new QLabel(tr("&Search:"), this);
    controls::PlaceLabel(lblSearch, "lblSearch", controls::Verdana(8.25, true),
                         controls::LightOrange, Qt::AlignLeft | Qt::AlignVCenter,
                         TwipsRect(120, 120, 1020, 315));
    txtSearch = new QLineEdit(this);
    txtSearch->setObjectName(QStringLiteral("txtSearch"));
    txtSearch->setGeometry(TwipsRect(1200, 120, 8280, 315));
    lblSearch->setBuddy(txtSearch);

    model = new JournalModel(this);
    grdJournal = new QTableView(this);
    grdJournal->setObjectName(QStringLiteral("grdJournal"));
    //: The list's name to screen readers.
    grdJournal->setAccessibleName(tr("Kept charts"));
    grdJournal->setGeometry(TwipsRect(120, 555, 9360, 4215));
    grdJournal->setModel(model);
    grdJournal->setItemDelegate(new OneLineDelegate(grdJournal));
    grdJournal->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdJournal->setSelectionMode(QAbstractItemView::SingleSelection);
    grdJournal->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the list for the buttons; the arrows move within it.
    grdJournal->setTabKeyNavigation(false);
    grdJournal->setWordWrap(false);
    grdJournal->verticalHeader()->hide();
    grdJournal->verticalHeader()->setDefaultSectionSize(controls::Twips(300));
    grdJournal->horizontalHeader()->setStretchLastSection(true);
    grdJournal->horizontalHeader()->setHighlightSections(false);
    grdJournal->setColumnWidth(JournalModel::DateColumn, controls::Twips(2100));
    grdJournal->setColumnWidth(JournalModel::QuestionColumn, controls::Twips(3600));
    for (QWidget* box : {static_cast<QWidget*>(txtSearch), static_cast<QWidget*>(grdJournal)}) {
        QPalette palette = box->palette();
        palette.setColor(QPalette::Base, Qt::white);
        palette.setColor(QPalette::Text, Qt::black);
        box->setPalette(palette);
    }

    lblStatus = new QLabel(this);
    controls::PlaceLabel(lblStatus, "lblStatus", controls::Verdana(8.25), Qt::white,
                         Qt::AlignLeft | Qt::AlignTop, TwipsRect(120, 4830, 9360, 630));
    lblStatus->setWordWrap(true);

    const QFont bold = controls::Verdana(8.25, true);
    //: Button 84 pixels wide: puts the chosen chart on the casting board.
    cmdOpen =
        controls::GreyButton(this, "cmdOpen", tr("&Open"), bold, TwipsRect(120, 5520, 1260, 345));
    //: Button 84 pixels wide: changes the chosen chart's question and note.
    cmdEdit =
        controls::GreyButton(this, "cmdEdit", tr("&Edit…"), bold, TwipsRect(1500, 5520, 1260, 345));
    //: Button 84 pixels wide: removes the chosen chart, after asking.
    cmdDelete = controls::GreyButton(this, "cmdDelete", tr("&Delete"), bold,
                                     TwipsRect(2880, 5520, 1260, 345));
    //: Button 84 pixels wide: writes the whole journal to a CSV file.
    cmdExport = controls::GreyButton(this, "cmdExport", tr("E&xport…"), bold,
                                     TwipsRect(4260, 5520, 1260, 345));
    //: Button 84 pixels wide: keeps the charts of a CSV export or a text file of tableaux.
    cmdImport = controls::GreyButton(this, "cmdImport", tr("&Import…"), bold,
                                     TwipsRect(5640, 5520, 1260, 345));
    //: Button 72 pixels wide (Close follows it): counts the figures in the houses of the charts
    //: listed.
    cmdFigures = controls::GreyButton(this, "cmdFigures", tr("&Figures…"), bold,
                                      TwipsRect(7020, 5520, 1080, 345));
    //: Button 84 pixels wide.
    cmdClose = controls::GreyButton(this, "cmdClose", tr("&Close"), bold,
                                    TwipsRect(8220, 5520, 1260, 345));
    connect(cmdOpen, &QPushButton::clicked, this, &frmJournal::cmdOpen_Click);
    connect(cmdEdit, &QPushButton::clicked, this, &frmJournal::cmdEdit_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmJournal::cmdDelete_Click);
    connect(cmdExport, &QPushButton::clicked, this, &frmJournal::cmdExport_Click);
    connect(cmdImport, &QPushButton::clicked, this, &frmJournal::cmdImport_Click);
    connect(cmdFigures, &QPushButton::clicked, this, &frmJournal::cmdFigures_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);

    connect(txtSearch, &QLineEdit::textChanged, this, &frmJournal::Refresh);
    connect(txtSearch, &QLineEdit::returnPressed, this, &frmJournal::cmdOpen_Click);
    connect(grdJournal, &QTableView::doubleClicked, this, &frmJournal::cmdOpen_Click);
    connect(grdJournal->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &frmJournal::ShowButtons);
    txtSearch->installEventFilter(this);
    grdJournal->installEventFilter(this);
    // The journal goes with the window it belongs to.
    if (owner) {
        owner->installEventFilter(this);
    }

    // Reads wait briefly for another program holding the file, then try again a moment later.
    retry = new QTimer(this);
    retry->setSingleShot(true);
    retry->setInterval(1000);
    connect(retry, &QTimer::timeout, this, &frmJournal::Refresh);
    connect(model, &JournalModel::Failed, this, [this](const QString& why) {
        // A damaged file is said by the reason it is only read.
        Say(store.Damaged() ? QString() : why);
        if (store.Busy()) {
            retry->start();
        }
    });

    controls::TabChain({txtSearch, grdJournal, cmdOpen, cmdEdit, cmdDelete, cmdExport, cmdImport,
                        cmdFigures, cmdClose});
    Refresh();
    txtSearch->setFocus();
}

void frmJournal::Say(const QString& text) {
    QStringList said;
    for (const QString& part : {once, text, store.ReadOnly() ? store.Why() : QString()}) {
        if (!part.isEmpty() && !said.contains(part)) {
            said.append(part);
        }
    }
    lblStatus->setText(said.join(u' ')); // unchanged when already empty, unlike clear()
}

void frmJournal::Refresh() {
    retry->stop();
    // What was said once goes at the next listing.
    once.clear();
    qint64 chosen = ChosenId();
    int chosenRow = grdJournal->currentIndex().row();
    if (!store.Exists() && store.State() != journal::Access::Unusable && !store.ReadOnly()) {
        model->Clear();
        //: One line in the Journal window, below the empty list.
        Say(tr("No chart has been kept yet: Keep in Journal (Ctrl+K) keeps the chart on the "
               "board."));
        ShowButtons();
        return;
    }
    const journal::Access access = store.State();
    if (store.TakeReplaced()) {
        // The chosen id belongs to the old file.
        chosen = 0;
        chosenRow = -1;
        grdJournal->setCurrentIndex(QModelIndex());
        //: Said in the Journal window; %1 is the journal's file.
        once = tr("The journal %1 was replaced by another file since it was listed: it is listed "
                  "again.")
                   .arg(QDir::toNativeSeparators(store.Path()));
    }
    if (const QString notice = store.TakeNotice(); !notice.isEmpty()) {
        once = notice;
    }
    if (access == journal::Access::Unusable || (store.Busy() && !store.LastError().isEmpty())) {
        model->Clear();
        Say(store.LastError());
        if (store.Busy()) {
            retry->start();
        }
        ShowButtons();
        return;
    }
    const bool listed = model->SetRows(store, txtSearch->text());
    if (txtSearch->text().isEmpty()) {
        // Fitted to the whole list's first rows, and kept while searching: a column that moved
        // at each key would be hard to read (and every line drawn again).
        FitColumns();
    }
    if (!listed) {
        Say(store.Damaged() ? QString() : model->LastError());
        if (store.Busy()) {
            retry->start();
        }
    } else if (model->rowCount() > 0) {
        Say(QString());
    } else if (txtSearch->text().trimmed().isEmpty()) {
        //: One line in the Journal window, below the empty list.
        Say(tr("No chart has been kept yet."));
    } else {
        //: One line in the Journal window, below the empty list.
        Say(tr("No kept chart has these words."));
    }
    Choose(chosen, chosenRow);
}

void frmJournal::FitColumns() {
    const int room = grdJournal->viewport()->width() - grdJournal->columnWidth(0);
    const int margin = controls::Twips(120) + 2;
    int widest = 0;
    const QFontMetrics metrics(grdJournal->font());
    for (int row = 0; row < model->rowCount(); ++row) {
        widest = std::max(widest,
                          metrics.horizontalAdvance(
                              model->index(row, JournalModel::QuestionColumn).data().toString()) +
                              margin);
    }
    // The note's start keeps at least a quarter of the room.
    grdJournal->setColumnWidth(JournalModel::QuestionColumn,
                               std::clamp(widest, room / 2, room * 3 / 4));
}

void frmJournal::Place() {
    const QVariant kept = Settings().value(QStringLiteral("Journal/Position"));
    QWidget* owner = parentWidget();
    if (kept.canConvert<QPoint>() && QGuiApplication::screenAt(kept.toPoint() + QPoint(40, 40))) {
        // Where the person left it, while that is on a screen.
        move(kept.toPoint());
        return;
    }
    QScreen* screen = owner ? owner->screen() : nullptr;
    if (!owner || !owner->isVisible() || !screen) {
        controls::CenterOnScreen(this);
        return;
    }
    const QRect room = screen->availableGeometry();
    const QRect beside = owner->frameGeometry();
    const QMargins frame(
        owner->geometry().left() - beside.left(), owner->geometry().top() - beside.top(),
        beside.right() - owner->geometry().right(), beside.bottom() - owner->geometry().bottom());
    const int width = this->width() + frame.left() + frame.right();
    int left = beside.right() + 1;
    if (left + width > room.right() + 1) {
        // No room on the right: on the left, or as far right as the screen goes.
        left =
            beside.left() - width >= room.left() ? beside.left() - width : room.right() + 1 - width;
    }
    const int top = std::clamp(
        beside.top(), room.top(),
        std::max(room.top(), room.bottom() + 1 - this->height() - frame.top() - frame.bottom()));
    move(left, top);
}

void frmJournal::closeEvent(QCloseEvent* event) {
    // Where the person put it, for the next time.
    Settings().setValue(QStringLiteral("Journal/Position"), pos());
    QWidget::closeEvent(event);
}

qint64 frmJournal::ChosenId() const {
    const QModelIndex current = grdJournal->currentIndex();
    return current.isValid() ? model->ChartId(current.row()) : 0;
}

void frmJournal::Choose(qint64 id, int fallbackRow) {
    // The chosen chart is listed about where it was: one row lower after a keep.
    model->FetchTo(fallbackRow + 1);
    int row = id ? model->RowOf(id) : -1;
    if (row < 0 && fallbackRow >= 0) {
        row = std::clamp(fallbackRow, 0, model->rowCount() - 1);
    }
    if (row >= 0) {
        grdJournal->setCurrentIndex(model->index(row, 0));
        grdJournal->selectRow(row);
    }
    ShowButtons();
}

void frmJournal::ShowButtons() {
    const bool chosen = grdJournal->currentIndex().isValid();
    const bool writable = store.Exists() && !store.ReadOnly() && !store.Busy();
    cmdOpen->setEnabled(chosen);
    cmdEdit->setEnabled(chosen && writable);
    cmdDelete->setEnabled(chosen && writable);
    cmdExport->setEnabled(store.Exists());
    cmdImport->setEnabled(!store.ReadOnly() && !store.Busy());
}

void frmJournal::Fail(const QString& why) {
    platform::MsgBox(why, QMessageBox::Ok, QMessageBox::Warning);
}

std::optional<journal::KeptChart> frmJournal::Read(qint64 id) {
    std::optional<journal::KeptChart> chart = store.Find(id);
    if (!chart) {
        Fail(store.LastError());
        Refresh();
    } else if (store.TakeReplaced()) {
        // The id chosen was one of the old file's: the list is read again instead.
        Fail(tr("The journal %1 was replaced by another file since it was listed: it is listed "
                "again.")
                 .arg(QDir::toNativeSeparators(store.Path())));
        grdJournal->setCurrentIndex(QModelIndex());
        Refresh();
        return std::nullopt;
    }
    return chart;
}

void frmJournal::cmdOpen_Click() {
    const qint64 id = ChosenId();
    if (!id || !board) {
        return;
    }
    const std::optional<journal::KeptChart> chart = Read(id);
    if (!chart) {
        return;
    }
    // Over whatever the board holds, as the reset press would, without asking.
    board->OpenChart(chart->mothers, chart->tableau);
    // The next press writes the chart's interpretation: the casting button is ready for it.
    QWidget* main = board->window();
    main->raise();
    main->activateWindow();
    board->cmdProceed->setFocus();
}

void frmJournal::cmdEdit_Click() {
    const qint64 id = ChosenId();
    if (!id || !cmdEdit->isEnabled()) {
        return;
    }
    const std::optional<journal::KeptChart> chart = Read(id);
    if (!chart) {
        return;
    }
    if (store.State() != journal::Access::Writable && !store.Busy()) {
        Fail(store.Why().isEmpty() ? store.LastError() : store.Why());
        Refresh();
        return;
    }
    //: Title of the window that changes a kept chart's question and note.
    frmKeep ask(this, tr("Edit Kept Chart"), ChartLine(chart->mothers, chart->tableau),
                chart->question, chart->note);
    ask.SetWrite([&](const QString& question, const QString& note) {
        return store.Edit(id, question, note) ? QString() : store.LastError();
    });
    controls::CenterOnScreen(&ask);
    ask.exec();
    Refresh();
}

void frmJournal::cmdDelete_Click() {
    const qint64 id = ChosenId();
    if (!id || !cmdDelete->isEnabled()) {
        return;
    }
    const int row = grdJournal->currentIndex().row();
    const QString when = model->index(row, JournalModel::DateColumn).data().toString();
    const QString question = model->index(row, JournalModel::QuestionColumn).data().toString();
    QMessageBox ask(
        QMessageBox::Question, platform::AppTitle(),
        question.isEmpty()
            //: %1 is the date and time the chart was kept.
            ? tr("Delete the chart kept on %1 from the journal?").arg(when)
            //: %1 is the date and time the chart was kept, %2 its question.
            : tr("Delete the chart kept on %1 from the journal?\n\n%2").arg(when, question),
        QMessageBox::Yes | QMessageBox::No, this);
    // A slip of the Return key keeps the chart.
    ask.setDefaultButton(QMessageBox::No);
    if (ask.exec() != QMessageBox::Yes) {
        return;
    }
    if (!store.Remove(id)) {
        Fail(store.LastError());
    }
    Refresh();
    grdJournal->setFocus();
}

void frmJournal::cmdExport_Click() {
    if (!cmdExport->isEnabled()) {
        return;
    }
    ExportDialog dialog(this, store);
    //: The file type in Save As; "(*.csv)" picks the files shown and stays as it is.
    dialog.setNameFilter(tr("CSV files (*.csv)"));
    dialog.setDefaultExtension(QStringLiteral("csv"));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog.setWindowTitle(platform::AppTitle());
    //: The file name Save As proposes for the journal's export.
    dialog.selectFile(tr("journal.csv"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    // Written row by row, with its progress and Cancel; a cancelled export leaves the file as
    // it was.
    //: Said while the journal is exported; Cancel stops it.
    QProgressDialog progress(tr("Exporting the journal…"), tr("Cancel"), 0, 0, this);
    progress.setWindowTitle(platform::AppTitle());
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    const bool written =
        store.ExportCsv(dialog.selectedFiles().constFirst(), [&](qint64 done, qint64 total) {
            progress.setMaximum(int(std::min<qint64>(total, std::numeric_limits<int>::max())));
            progress.setValue(int(std::min<qint64>(done, progress.maximum())));
            return !progress.wasCanceled();
        });
    progress.reset();
    if (!written && !store.LastError().isEmpty()) {
        Fail(store.LastError());
    }
}

void frmJournal::cmdImport_Click() {
    if (!cmdImport->isEnabled()) {
        return;
    }
    // Said before a file is chosen, so that none is chosen in vain.
    if (store.State() != journal::Access::Writable && !store.Busy()) {
        Fail(store.Why().isEmpty() ? store.LastError() : store.Why());
        return;
    }
    QFileDialog dialog(this, platform::AppTitle());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    //: The file types Import offers; the parts in brackets pick the files shown and stay as
    //: they are.
    dialog.setNameFilters({tr("Journal exports and notebooks (*.csv *.txt)"), tr("All files (*)")});
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    const QString path = dialog.selectedFiles().constFirst();
    QFile file(path);
    journal::ImportSummary summary;
    if (!file.open(QIODevice::ReadOnly)) {
        //: %1 is the file's full path, %2 the reason.
        summary.error =
            tr("%1 could not be read: %2").arg(QDir::toNativeSeparators(path), file.errorString());
    } else {
        // Kept in one transaction, with its progress and Cancel; a cancelled import keeps
        // nothing. A board's File menu names the tableau for casts alone.
        //: Said while a file is imported; Cancel stops it and keeps nothing.
        QProgressDialog progress(tr("Importing %1…").arg(QFileInfo(path).fileName()), tr("Cancel"),
                                 0, 0, this);
        progress.setWindowTitle(platform::AppTitle());
        progress.setWindowModality(Qt::WindowModal);
        progress.setMinimumDuration(500);
        const Tableau chosen = board ? board->NextTableau() : chartTableau;
        summary = journal::ImportCharts(store, file, chosen, [&](qint64 done, qint64 total) {
            // Counted in kibibytes, so that files beyond 2 GiB still fit the bar.
            progress.setMaximum(
                int(std::min<qint64>(total / 1024, std::numeric_limits<int>::max())));
            progress.setValue(int(std::min<qint64>(done / 1024, progress.maximum())));
            return !progress.wasCanceled();
        });
        progress.reset();
    }
    Refresh();
    frmImportSummary said(this, path, summary);
    controls::CenterOnScreen(&said);
    said.exec();
}

void frmJournal::cmdFigures_Click() {
    frmFigures* figures = frmFigures::ShowFigures(board, this, store, txtSearch->text());
    // It counts what the list shows: each time it is listed again, it counts again.
    figures->Follow(model, txtSearch);
}

bool frmJournal::event(QEvent* event) {
    // A journal replaced while the person was in another window is listed again on return.
    if (event->type() == QEvent::WindowActivate && store.Replaced()) {
        Refresh();
    }
    return QWidget::event(event);
}

bool frmJournal::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parent() && event->type() == QEvent::Hide) {
        close();
        return false;
    }
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (watched == txtSearch && key->key() == Qt::Key_Down && key->modifiers() == Qt::NoModifier &&
        model->rowCount() > 0) {
        // From the search box down into the list, on the chart chosen there.
        if (!grdJournal->currentIndex().isValid()) {
            Choose(0, 0);
        }
        grdJournal->setFocus(Qt::TabFocusReason);
        return true;
    }
    if (watched == grdJournal && EnterKey(key)) {
        cmdOpen_Click();
        return true;
    }
    if (watched == grdJournal && key->matches(QKeySequence::Delete)) {
        cmdDelete_Click();
        return true;
    }
    return false;
}

void frmJournal::keyPressEvent(QKeyEvent* event) {
    if (controls::PressFocusedButton(this, event)) {
        return;
    }
    if (event->matches(QKeySequence::Cancel)) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
