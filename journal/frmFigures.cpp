#include "journal/frmFigures.h"

#include "casting/CastingBoard.h"
#include "casting/Figures.h"
#include "controls/LinkLabel.h"
#include "controls/Look.h"
#include "controls/SaveAsDialog.h"
#include "controls/Twips.h"
#include "journal/FiguresModel.h"
#include "journal/JournalStore.h"
#include "journal/MothersReader.h"
#include "platform/AppTitle.h"
#include "platform/MsgBox.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QSaveFile>
#include <QTableView>

using controls::TwipsRect;

namespace {

// The Figures window that is open: there is one at a time.
QPointer<frmFigures> openWindow;

bool EnterKey(const QKeyEvent* key) {
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
           (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// Screen readers are told the Figures window is a window, with its title.
QAccessibleInterface* FiguresAccessible(const QString&, QObject* object) {
    if (auto* window = qobject_cast<frmFigures*>(object)) {
        return new QAccessibleWidget(window, QAccessible::Window);
    }
    return nullptr;
}

// Deletes `reader` once its thread has ended (it may have already).
void Drop(journal::MothersReader* reader) {
    QObject::connect(reader, &QThread::finished, reader, &QObject::deleteLater);
    if (reader->isFinished()) {
        reader->deleteLater();
    }
}

void WhiteGround(QWidget* box) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    box->setPalette(palette);
}

} // namespace

frmFigures* frmFigures::ShowFigures(CastingBoard* board, QWidget* owner,
                                    journal::JournalStore& store, const QString& search) {
    if (!openWindow) {
        openWindow = new frmFigures(board, owner, store, search);
        openWindow->setAttribute(Qt::WA_DeleteOnClose);
        controls::CenterOnScreen(openWindow);
    } else {
        openWindow->SetSearch(search);
    }
    openWindow->show();
    openWindow->raise();
    openWindow->activateWindow();
    return openWindow;
}

frmFigures* frmFigures::OpenWindow() {
    return openWindow;
}

frmFigures::frmFigures(CastingBoard* board, QWidget* owner, journal::JournalStore& store,
                       const QString& search)
    : QWidget(owner), board(board), store(store), search(search) {
    static const bool accessible = [] {
        QAccessible::installFactory(FiguresAccessible);
        qRegisterMetaType<std::shared_ptr<const journal::FiguresCount>>();
        return true;
    }();
    Q_UNUSED(accessible);
    //: Title of the Figures window.
    controls::SetUpForm(this, "frmFigures", tr("Kelvora Figures"), 17400, 9465);

    //: The label of the choice of tableau, 68 pixels wide.
    lblTableau = new QLabel(tr("&Tableau:"), this);
    controls::PlaceLabel(lblTableau, "lblTableau", controls::Verdana(8.25, true),
                         controls::LightOrange, Qt::AlignLeft | Qt::AlignVCenter,
                         TwipsRect(120, 120, 1020, 315));
    cboTableau = new QComboBox(this);
    cboTableau->setObjectName(QStringLiteral("cboTableau"));
    cboTableau->setGeometry(TwipsRect(1200, 120, 3000, 315));
    //: A choice of tableau in the Figures window.
    cboTableau->addItem(tr("Diviners' tableau"), int(Tableau::Diviners));
    //: A choice of tableau in the Figures window.
    cboTableau->addItem(tr("Classic tableau"), int(Tableau::Classic));
    cboTableau->setCurrentIndex(chartTableau == Tableau::Classic ? 1 : 0);
    //: The choice's name to screen readers.
    cboTableau->setAccessibleName(tr("Tableau"));
    lblTableau->setBuddy(cboTableau);

    lblCounted = new QLabel(this);
    controls::PlaceLabel(lblCounted, "lblCounted", controls::Verdana(8.25), Qt::white,
                         Qt::AlignLeft | Qt::AlignVCenter, TwipsRect(4380, 60, 12900, 435));
    lblCounted->setWordWrap(true);

    model = new FiguresModel(this);
    grdFigures = new QTableView(this);
    grdFigures->setObjectName(QStringLiteral("grdFigures"));
    //: The table's name to screen readers.
    grdFigures->setAccessibleName(tr("Figures by house"));
    grdFigures->setGeometry(TwipsRect(120, 555, 17160, 5400));
    grdFigures->setModel(model);
    grdFigures->setFont(controls::Verdana(7));
    grdFigures->setSelectionMode(QAbstractItemView::SingleSelection);
    grdFigures->setSelectionBehavior(QAbstractItemView::SelectItems);
    grdFigures->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdFigures->setTabKeyNavigation(false);
    grdFigures->setWordWrap(false);
    grdFigures->verticalHeader()->setDefaultSectionSize(controls::Twips(300));
    grdFigures->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdFigures->horizontalHeader()->setHighlightSections(true);
    grdFigures->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    WhiteGround(grdFigures);

    lblLegend = new QLabel(this);
    controls::PlaceLabel(lblLegend, "lblLegend", controls::Verdana(8.25), Qt::white,
                         Qt::AlignLeft | Qt::AlignTop, TwipsRect(120, 6015, 17160, 660));
    lblLegend->setWordWrap(true);
    lblLegend->setText(
        //: The legend below the Figures table.
        tr("Each cell: the charts with that figure in that house (in brackets, what random "
           "casting gives). Red: more than random casting gives, blue: fewer, the deeper the "
           "further off ((count - expected) / square root of expected; full at 4); grey: a "
           "figure the house never holds.") +
        u' ' +
        //: The line below the Figures table about its test.
        tr("A house is unusual only when p is below 0.05/16 = 0.0031: sixteen houses are "
           "tested at once. Too few charts: some expected count is below 5. A copy always holds "
           "another house's figure and is no further evidence."));

    //: The label of the list of charts with the chosen figure in the chosen house.
    lblCharts = new QLabel(tr("C&harts with the chosen figure in the chosen house:"), this);
    controls::PlaceLabel(lblCharts, "lblCharts", controls::Verdana(8.25, true),
                         controls::LightOrange, Qt::AlignLeft | Qt::AlignVCenter,
                         TwipsRect(120, 6735, 17160, 315));
    charts = new CellChartsModel(this);
    grdCharts = new QTableView(this);
    grdCharts->setObjectName(QStringLiteral("grdCharts"));
    //: The list's name to screen readers.
    grdCharts->setAccessibleName(tr("Charts in the chosen cell"));
    grdCharts->setGeometry(TwipsRect(120, 7080, 17160, 1800));
    grdCharts->setModel(charts);
    grdCharts->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdCharts->setSelectionMode(QAbstractItemView::SingleSelection);
    grdCharts->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdCharts->setTabKeyNavigation(false);
    grdCharts->setWordWrap(false);
    grdCharts->verticalHeader()->hide();
    grdCharts->verticalHeader()->setDefaultSectionSize(controls::Twips(300));
    grdCharts->horizontalHeader()->setStretchLastSection(true);
    grdCharts->setColumnWidth(CellChartsModel::DateColumn, controls::Twips(2100));
    lblCharts->setBuddy(grdCharts);
    WhiteGround(grdCharts);

    const QFont bold = controls::Verdana(8.25, true);
    //: Button 84 pixels wide: puts the chosen chart on the casting board.
    cmdOpen =
        controls::GreyButton(this, "cmdOpen", tr("&Open"), bold, TwipsRect(120, 9000, 1260, 345));
    //: Button 84 pixels wide: writes the table to a CSV file.
    cmdExport = controls::GreyButton(this, "cmdExport", tr("E&xport…"), bold,
                                     TwipsRect(1500, 9000, 1260, 345));
    //: Button 84 pixels wide.
    cmdClose = controls::GreyButton(this, "cmdClose", tr("&Close"), bold,
                                    TwipsRect(16020, 9000, 1260, 345));
    connect(cmdOpen, &QPushButton::clicked, this, &frmFigures::cmdOpen_Click);
    connect(cmdExport, &QPushButton::clicked, this, &frmFigures::cmdExport_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    connect(cboTableau, &QComboBox::currentIndexChanged, this, &frmFigures::Count);
    connect(grdFigures->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &frmFigures::ChooseCell);
    connect(grdCharts, &QTableView::doubleClicked, this, &frmFigures::cmdOpen_Click);
    connect(grdCharts->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &frmFigures::ShowButtons);
    connect(charts, &CellChartsModel::Failed, this,
            [this](const QString& why) { lblCounted->setText(why); });
    grdCharts->installEventFilter(this);
    // The window goes with the Journal window it belongs to.
    if (owner) {
        owner->installEventFilter(this);
    }

    controls::TabChain({cboTableau, grdFigures, grdCharts, cmdOpen, cmdExport, cmdClose});
    cboTableau->setFocus();
    Count();
}

frmFigures::~frmFigures() {
    // Counts under way stop now and say nothing more; each waits for its thread as it goes, with
    // the window's other children.
    for (journal::MothersReader* counting : findChildren<journal::MothersReader*>()) {
        counting->disconnect(this);
        counting->Stop();
    }
}

Tableau frmFigures::ChosenTableau() const {
    return cboTableau->currentData().toInt() == int(Tableau::Classic) ? Tableau::Classic
                                                                      : Tableau::Diviners;
}

bool frmFigures::Counting() const {
    return reader && reader->isRunning();
}

void frmFigures::SetSearch(const QString& typed) {
    search = typed;
    Count();
}

void frmFigures::Follow(QAbstractItemModel* list, QLineEdit* search) {
    disconnect(following);
    following = connect(list, &QAbstractItemModel::modelReset, this,
                        [this, search] { SetSearch(search->text()); });
}

void frmFigures::Count() {
    if (reader) {
        // The count under way is no longer wanted: it ends soon and goes.
        reader->disconnect(this);
        reader->Stop();
        Drop(reader);
    }
    model->SetCount(nullptr);
    charts->Clear();
    lblCharts->setText(tr("C&harts with the chosen figure in the chosen house:"));
    //: Said while the Figures window counts.
    lblCounted->setText(tr("Counting…"));
    reader = new journal::MothersReader(store.Path(), search, ChosenTableau(), this);
    connect(reader, &journal::MothersReader::Counted, this, &frmFigures::Show);
    reader->start(QThread::LowPriority);
    ShowButtons();
}

void frmFigures::Show(std::shared_ptr<const journal::FiguresCount> count) {
    if (reader) {
        Drop(reader);
        reader = nullptr;
    }
    if (!count->error.isEmpty()) {
        lblCounted->setText(count->error);
        ShowButtons();
        emit Counted();
        return;
    }
    model->SetCount(count);
    grdFigures->resizeColumnsToContents();
    const QString tableau = ChosenTableau() == Tableau::Classic ? tr("the classic tableau")
                                                                : tr("the diviners' tableau");
    const QString counted = QLocale().toString(qlonglong(count->tally.charts));
    QString said = search.trimmed().isEmpty()
                       //: %1 is "the diviners' tableau" or "the classic tableau", %2 a number.
                       ? tr("Charts of the journal counted in %1: %2.").arg(tableau, counted)
                       //: %1 the tableau, %2 a number, %3 the Journal's search as typed.
                       : tr("Charts found by the search \"%3\" counted in %1: %2.")
                             .arg(tableau, counted, search.trimmed());
    if (count->unreadable > 0) {
        //: Added to the line above the Figures table; %1 is a number.
        said += u' ' + tr("Charts left out because they could not be read: %1.")
                           .arg(QLocale().toString(qlonglong(count->unreadable)));
    }
    lblCounted->setText(said);
    ShowButtons();
    emit Counted();
}

void frmFigures::ChooseCell(const QModelIndex& cell) {
    const journal::FiguresCount* count = model->Count();
    if (!count || !cell.isValid() || cell.column() >= figures::FigureCount) {
        charts->Clear();
        lblCharts->setText(tr("C&harts with the chosen figure in the chosen house:"));
        ShowButtons();
        return;
    }
    const int house = cell.row() + 1;
    charts->SetCell(store, *count, house, cell.column());
    //: %1 is a figure's digits, %2 a house ("3 Fahatelo"), %3 how many charts.
    lblCharts->setText(tr("C&harts with %1 in house %2: %3")
                           .arg(FigureDigits(figures::FigureAt(cell.column())),
                                FiguresModel::HouseName(house),
                                QLocale().toString(charts->Total())));
    if (charts->rowCount() > 0) {
        grdCharts->setCurrentIndex(charts->index(0, 0));
        grdCharts->selectRow(0);
    }
    ShowButtons();
}

void frmFigures::ShowButtons() {
    cmdOpen->setEnabled(board && grdCharts->currentIndex().isValid());
    cmdExport->setEnabled(model->Count() != nullptr);
}

void frmFigures::Fail(const QString& why) {
    platform::MsgBox(why, QMessageBox::Ok, QMessageBox::Warning);
}

void frmFigures::cmdOpen_Click() {
    const QModelIndex current = grdCharts->currentIndex();
    const qint64 id = current.isValid() ? charts->ChartId(current.row()) : 0;
    if (!id || !board) {
        return;
    }
    const std::optional<journal::KeptChart> chart = store.Find(id);
    if (!chart) {
        Fail(store.LastError());
        return;
    }
    // As the Journal window's Open: over whatever the board holds, the casting button ready.
    board->OpenChart(chart->mothers, chart->tableau);
    QWidget* main = board->window();
    main->raise();
    main->activateWindow();
    board->cmdProceed->setFocus();
}

void frmFigures::cmdExport_Click() {
    if (!model->Count()) {
        return;
    }
    controls::SaveAsDialog dialog(this);
    //: The file type in Save As; "(*.csv)" picks the files shown and stays as it is.
    dialog.setNameFilter(tr("CSV files (*.csv)"));
    dialog.setDefaultExtension(QStringLiteral("csv"));
    dialog.setWindowTitle(platform::AppTitle());
    //: The file name Save As proposes for the Figures table.
    dialog.selectFile(tr("figures.csv"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    const QString file = dialog.selectedFiles().constFirst();
    const QString shown = QDir::toNativeSeparators(file);
    if (store.IsJournalFile(file)) {
        //: %1 is the file's full path.
        Fail(tr("%1 is the journal itself: the table was not written over it.").arg(shown));
        return;
    }
    // Written whole or not at all: a failed write leaves the file as it was.
    QSaveFile out(file);
    const QByteArray csv = model->Csv();
    if (!out.open(QIODevice::WriteOnly) || out.write(csv) != csv.size() || !out.commit()) {
        //: %1 is the file's full path, %2 the reason.
        Fail(tr("The table could not be written to %1: %2. The file was left as it was.")
                 .arg(shown, out.errorString()));
    }
}

bool frmFigures::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parent() && event->type() == QEvent::Hide) {
        close();
        return false;
    }
    if (watched == grdCharts && event->type() == QEvent::KeyPress &&
        EnterKey(static_cast<QKeyEvent*>(event))) {
        cmdOpen_Click();
        return true;
    }
    return false;
}

void frmFigures::keyPressEvent(QKeyEvent* event) {
    if (controls::PressFocusedButton(this, event)) {
        return;
    }
    if (event->matches(QKeySequence::Cancel)) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
