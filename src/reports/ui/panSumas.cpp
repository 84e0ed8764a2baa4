#include "reports/ui/panSumas.h"

#include "base/Clock.h"
#include "reports/core/AccountSums.h"
#include "reports/core/AccountTotalsModel.h"
#include "reports/ui/CalendarPicks.h"
#include "reports/ui/ReportCalendar.h"
#include "store/StoreError.h"
#include "ui/common/FormTwips.h"
#include "ui/common/centraFormulario.h"

#include "ui/common/DefaultButton.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/Named.h"
#include "ui/common/WaitCursor.h"
#include <QCalendarWidget>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>

#include <algorithm>

namespace tesorin::reports {

using ui::named;
using ui::placeTwips;

namespace {

const QString kRowSource = QStringLiteral("select * from cuentas order by nombre");

QFrame* rule(QWidget* parent, const char* name) {
    auto* line = named(new QFrame(parent), name);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace

panSumas::panSumas(store::Database& baseAbierta, const QString& nombreBase, QWidget* parent)
    : QDialog(parent), m_base(baseAbierta), m_nombreBase(nombreBase) {
    setObjectName(QStringLiteral("panSumas"));
    setWindowTitle(QStringLiteral("Sumas y saldos de las cuentas"));
    setFixedSize(fromTwips(9675), fromTwips(6585));
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor(224, 224, 224));
    setPalette(grey);
    setAutoFillBackground(true);

    Picture1 = named(new QFrame(this), "Picture1");
    Picture1->setFrameShape(QFrame::StyledPanel);
    placeTwips(Picture1, 150, 150, 6570, 6345);
    Data1.setObjectName(QStringLiteral("Data1"));
    Data1.setRecordSource(kRowSource);
    DBGrid1 = named(new QTableView(Picture1), "DBGrid1");
    DBGrid1->setAccessibleName(QStringLiteral("Sumas y saldos de las cuentas"));
    placeTwips(DBGrid1, 0, 0, 6570, 6345);
    m_model = new AccountTotalsModel(Data1, this);
    DBGrid1->setModel(m_model);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    DBGrid1->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    DBGrid1->verticalHeader()->setDefaultSectionSize(fromTwips(270));
    DBGrid1->verticalHeader()->setFixedWidth(fromTwips(180));

    Label1_1 = named(new QLabel(QStringLiteral("DESDE :"), this), "Label1_1");
    placeTwips(Label1_1, 6810, 120, 1500, 255);
    Line1 = rule(this, "Line1");
    placeTwips(Line1, 6810, 390, 2385, 30);
    Calendar1 = reportCalendar(this, "Calendar1");
    // Wider and taller than the design's 2280 x 1920, so every day shows.
    placeTwips(Calendar1, 6780, 630, 2835, 2040);
    Label1_1->setBuddy(Calendar1);

    Label1_0 = named(new QLabel(QStringLiteral("HASTA :"), this), "Label1_0");
    placeTwips(Label1_0, 6780, 2775, 1500, 255);
    Line2 = rule(this, "Line2");
    placeTwips(Line2, 6780, 3045, 2415, 30);
    Calendar2 = reportCalendar(this, "Calendar2");
    placeTwips(Calendar2, 6780, 3360, 2835, 2040);
    Label1_0->setBuddy(Calendar2);

    Command1 = named(new QPushButton(QStringLiteral("Salir"), this), "Command1");
    ui::makeOnlyDefault(*this, nullptr);
    placeTwips(Command1, 7665, 5505, 1020, 870);
    connect(Command1, &QPushButton::clicked, this, &QDialog::close);

    fitCalendars();

    setTabOrder(DBGrid1, Calendar1);
    setTabOrder(Calendar1, Calendar2);
    setTabOrder(Calendar2, Command1);

    // Load: both calendars on today; nothing is computed until the user
    // picks a date or leaves a calendar.
    Calendar1->setSelectedDate(clock::today());
    Calendar2->setSelectedDate(clock::today());
    for (QCalendarWidget* c : {Calendar1, Calendar2}) {
        auto* picks = new CalendarPicks(c);
        connect(picks, &CalendarPicks::picked, this, &panSumas::calc);
        connect(picks, &CalendarPicks::left, this, &panSumas::calc);
    }
    ui::centraFormulario(*this);
}

panSumas::~panSumas() = default;

// The calendars as large as their six weeks need in the type in use, at
// least as the design places them; what lies under them and the form follow.
void panSumas::fitCalendars() {
    const QSize size = Calendar1->minimumSizeHint().expandedTo(Calendar1->size());
    Calendar1->resize(size);
    Calendar2->resize(size);
    const int gap = fromTwips(105);
    Label1_0->move(Label1_0->x(), Calendar1->geometry().bottom() + 1 + gap);
    Line2->move(Line2->x(), Label1_0->y() + fromTwips(270));
    Calendar2->move(Calendar2->x(), Label1_0->y() + fromTwips(585));
    Command1->move(Command1->x(), Calendar2->geometry().bottom() + 1 + gap);
    const int width = std::max(fromTwips(9675), Calendar1->geometry().right() + 1 + fromTwips(60));
    const int height =
        std::max(fromTwips(6585), Command1->geometry().bottom() + 1 + fromTwips(210));
    setFixedSize(width, height);
    Picture1->resize(Picture1->width(), height - Picture1->y() - fromTwips(90));
    DBGrid1->resize(Picture1->size());
}

void panSumas::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Form_Activate();
}

void panSumas::Form_Activate() {
    Data1.setDatabaseName(m_nombreBase);
    refreshGrid();
}

void panSumas::refreshGrid() {
    try {
        Data1.Refresh();
    } catch (const store::StoreError& error) {
        showStoreError(error.message());
        return;
    }
    if (!m_model->readFailure().isEmpty())
        showStoreError(m_model->readFailure());
}

void panSumas::calc() {
    QString failure;
    {
        ui::WaitCursor wait;
        DBGrid1->hide();
        try {
            storeAccountSums(m_base, Calendar1->selectedDate(), Calendar2->selectedDate());
            Data1.Refresh();
            failure = m_model->readFailure();
        } catch (const store::StoreError& error) {
            failure = error.message();
        }
        DBGrid1->show();
    }
    if (!failure.isEmpty())
        showStoreError(failure);
}

void panSumas::showStoreError(const QString& message) {
    ui::MessageBoxes::critical(this, QStringLiteral("Error"), message);
}

} // namespace tesorin::reports
