#include "reports/ui/panMensGra.h"

#include "accounts/core/ChartOfAccounts.h"
#include "base/Clock.h"
#include "base/Regional.h"
#include "reports/core/ChartFigures.h"
#include "reports/core/ChartQueries.h"
#include "reports/core/ChartTotals.h"
#include "reports/ui/BarChartView.h"
#include "reports/ui/CalendarPicks.h"
#include "reports/ui/ChartFormParts.h"
#include "reports/ui/FormPicturePrinting.h"
#include "reports/ui/ReportCalendar.h"
#include "store/StoreError.h"
#include "ui/common/FormTwips.h"
#include "ui/common/Panel3D.h"
#include "ui/common/centraFormulario.h"

#include "ui/common/MessageBoxes.h"
#include "ui/common/Named.h"
#include "ui/common/WaitCursor.h"
#include <QCalendarWidget>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QToolButton>

namespace tesorin::reports {

using ui::named;
using ui::placeTwips;

namespace {

constexpr int kFirstRowTop = 1335;
constexpr int kRowHeight = 208;
constexpr int kDaysLeft = 15; // days 1 to 15 on the left half, 16 to 31 on the right
constexpr int kTablePointSize = 7;

// Left edge of the day number, and right edges of the income and expense
// amounts, of each half of the daily table.
struct Half {
    int day;
    int incomeRight;
    int expenseRight;
};
constexpr Half kLeftHalf{4350, 5880, 6840};
constexpr Half kRightHalf{6930, 8400, 9300};

// Label5's index of the day number d: 1, then 3 to 13, then 15 to 33.
int dayLabelIndex(int d) {
    return d == 1 ? 1 : d <= 12 ? d + 1 : d + 2;
}

QStringList dayNames() {
    QStringList names;
    for (int d = 1; d <= panMensGra::kDays; ++d)
        names << QString::number(d);
    return names;
}

} // namespace

panMensGra::panMensGra(store::Database& baseAbierta, QWidget* parent)
    : QDialog(parent), m_base(baseAbierta) {
    setObjectName(QStringLiteral("panMensGra"));
    setWindowTitle(QStringLiteral("Informe mensual de cuentas"));
    setFixedSize(fromTwips(9330), fromTwips(8235));
    paintWhiteInSmallType(this);

    createSelectionSide();
    createReportSide();
    setTabOrder(calendar1, Combo1);
    setTabOrder(Combo1, Command1);

    // Load: today's month in the title, every amount "0,00", no bar, and
    // Combo1's text empty until the user picks.
    calendar1->setSelectedDate(clock::today());
    Label5_0->setText(monthlyTitle(calendar1->selectedDate()));
    // All accounts first, then the accounts in the order of every other
    // list: the language's, regardless of case.
    Combo1->clear();
    Combo1->addItem(kTodasLasCuentas);
    try {
        Combo1->addItems(accounts::accountNamesInListOrder(m_base));
    } catch (const store::StoreError& error) {
        ui::MessageBoxes::critical(this, QStringLiteral("Error"), error.message());
    }
    Combo1->setCurrentIndex(-1);
    Combo1->setEditText(QString());

    auto* picks = new CalendarPicks(calendar1);
    connect(picks, &CalendarPicks::picked, this, &panMensGra::calendar1_Pick);
    connect(Combo1, &QComboBox::activated, this, &panMensGra::Combo1_Click);
    connect(Command1, &QToolButton::clicked, this, &panMensGra::Command1_Click);
    ui::centraFormulario(*this);
}

void panMensGra::createSelectionSide() {
    Picture1 = productPicture(this, 720, 1380);
    sp1 = new ui::Panel3D(QStringLiteral("sp1"), this);
    sp1->setBevel(ui::Bevel::Raised);
    placeTwips(sp1, 495, 1980, 3120, 3315);
    Label3_1 = textLabel(sp1, QStringLiteral("Label3_1"), QStringLiteral("Seleccione Mes y año :"));
    placeTwips(Label3_1, 90, 30, 2900, 225);
    calendar1 = reportCalendar(sp1, "calendar1");
    // As wide as the panel allows (the design has 2700), so every day shows.
    placeTwips(calendar1, 60, 270, 3000, 2220);
    Label3_1->setBuddy(calendar1);
    Label3_2 = textLabel(sp1, QStringLiteral("Label3_2"), QStringLiteral("Seleccione cuenta :"));
    placeTwips(Label3_2, 60, 2565, 2900, 225);
    Combo1 = named(new QComboBox(sp1), "Combo1");
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    placeTwips(Combo1, 45, 2820, 2985, 330);
    Label3_2->setBuddy(Combo1);
    Command1 = printButton(this, 300, 6975);
}

void panMensGra::createReportSide() {
    Label6 = textLabel(this, QStringLiteral("Label6"), QStringLiteral("Cuenta"));
    QFont large = Label6->font();
    large.setPointSize(14);
    large.setBold(true);
    Label6->setFont(large);
    placeTwips(Label6, 4275, 195, 4950, 450);
    Label5_0 = textLabel(this, QStringLiteral("Label5_0"), QString());
    QFont bold = Label5_0->font();
    bold.setBold(true);
    Label5_0->setFont(bold);
    placeTwips(Label5_0, 4305, 705, 4950, 255);
    placeTwips(ruleLine(this, QStringLiteral("Line3")), 4305, 990, 4995, 15);

    auto* headLeft = textLabel(this, QStringLiteral("Label5_2"),
                               QStringLiteral("Día   Ingresos         Egresos"));
    auto* headRight = textLabel(this, QStringLiteral("Label5_14"),
                                QStringLiteral("Día     Ingresos       Egresos"));
    placeTwips(headLeft, kLeftHalf.day, 1095, kLeftHalf.expenseRight - kLeftHalf.day, 225);
    placeTwips(headRight, kRightHalf.day, 1095, kRightHalf.expenseRight - kRightHalf.day, 225);
    for (int r = 0; r <= kDays - kDaysLeft; ++r)
        placeTwips(ruleLine(this, QStringLiteral("Line4_%1").arg(r)), kLeftHalf.day - 45,
                   kFirstRowTop + r * kRowHeight, kRightHalf.expenseRight - kLeftHalf.day + 45, 15);
    auto* between = named(new QFrame(this), "Line5");
    between->setFrameShape(QFrame::VLine);
    placeTwips(between, kRightHalf.day - 75, kFirstRowTop, 15, (kDays - kDaysLeft) * kRowHeight);

    QFont table = font();
    table.setPointSize(kTablePointSize);
    for (int d = 1; d <= kDays; ++d) {
        const bool left = d <= kDaysLeft;
        const Half& half = left ? kLeftHalf : kRightHalf;
        const int top = kFirstRowTop + (left ? d - 1 : d - 1 - kDaysLeft) * kRowHeight;
        auto* day =
            textLabel(this, QStringLiteral("Label5_%1").arg(dayLabelIndex(d)), QString::number(d));
        day->setFont(table);
        placeTwips(day, half.day, top, 330, kRowHeight);
        QLabel*& income = mesIng[size_t(d - 1)];
        QLabel*& expense = mesEgr[size_t(d - 1)];
        income = amountLabel(this, QStringLiteral("mesIng_%1").arg(d - 1), kTablePointSize,
                             QStringLiteral("Ingresos del día %1").arg(d));
        expense = amountLabel(this, QStringLiteral("mesEgr_%1").arg(d - 1), kTablePointSize,
                              QStringLiteral("Egresos del día %1").arg(d));
        placeTwips(income, half.day + 330, top, half.incomeRight - half.day - 330, kRowHeight);
        placeTwips(expense, half.incomeRight + 15, top, half.expenseRight - half.incomeRight - 15,
                   kRowHeight);
    }

    placeTwips(textLabel(this, QStringLiteral("Label5_34"),
                         QStringLiteral("Ingresos                  Egresos")),
               6300, 4980, 2800, 225);
    placeTwips(textLabel(this, QStringLiteral("Label3_0"), QStringLiteral("Totales :")), 4320, 5280,
               1500, 225);
    // The totals keep their right edges and reach further left than the
    // design's 1155 and 1095 twips, so that millions fit.
    Label2 = totalLabel(this, "Label2", QStringLiteral("Total de ingresos"));
    placeTwips(Label2, 5700, 5280, 7455 - 5700, 225);
    Label4 = totalLabel(this, "Label4", QStringLiteral("Total de egresos"));
    placeTwips(Label4, 7560, 5280, 8805 - 7560, 225);
    placeTwips(textLabel(this, QStringLiteral("Label3_3"), QStringLiteral("Gráfico ")), 1590, 5475,
               1200, 225);

    const ChartGeometry& geometry = monthlyGeometry();
    Grafico = named(new BarChartView(geometry, dayNames(), this), "Grafico");
    const QRectF area = geometry.area;
    placeTwips(Grafico, int(area.left()), int(area.top()), int(area.width()), int(area.height()));
}

void panMensGra::showFigures(const ChartFigures& figures) {
    for (int i = 0; i < kDays; ++i) {
        setAmountText(mesIng[size_t(i)], figures.incomeTexts[i]);
        setAmountText(mesEgr[size_t(i)], figures.expenseTexts[i]);
    }
    setAmountText(Label2, figures.totalIncomeText);
    setAmountText(Label4, figures.totalExpenseText);
    Grafico->setFigures(figures);
}

void panMensGra::calendar1_Pick() {
    const QDate date = calendar1->selectedDate();
    Label6->setText(monthlyCaption(Combo1->currentText()));
    Label5_0->setText(monthlyTitle(date));
    for (int i = 0; i < kDays; ++i) {
        for (QLabel* label : {mesIng[size_t(i)], mesEgr[size_t(i)]}) {
            QFont f = label->font();
            f.setBold(i == date.day() - 1);
            label->setFont(f);
            setAmountText(label, label->text());
        }
    }
    calcula();
}

void panMensGra::Combo1_Click() {
    Label6->setText(monthlyCaption(Combo1->currentText()));
    calcula();
}

void panMensGra::calcula() {
    showFigures(emptyFigures(monthlyGeometry()));
    const QString account = Combo1->currentText();
    const QDate date = calendar1->selectedDate();
    ChartTotals totals;
    try {
        ui::WaitCursor wait;
        totals = monthlyTotals(m_base, monthlyQuery(account, date), date.year(), date.month());
    } catch (const store::StoreError& error) {
        ui::MessageBoxes::critical(this, QStringLiteral("Error"), error.message());
        return;
    }
    if (!totals.found) {
        ui::MessageBoxes::critical(this, QStringLiteral("E r r o r"),
                                   noMovementsMessage(account, regional::monthYearTitle(date)));
        return;
    }
    showFigures(chartFigures(totals, monthlyGeometry()));
}

void panMensGra::Command1_Click() {
    imprimeFormulario(*this, {Command1, sp1});
}

} // namespace tesorin::reports
