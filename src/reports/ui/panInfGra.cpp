#include "reports/ui/panInfGra.h"

#include "base/Clock.h"
#include "reports/core/ChartAccounts.h"
#include "reports/core/ChartFigures.h"
#include "reports/core/ChartQueries.h"
#include "reports/core/ChartTotals.h"
#include "reports/ui/BarChartView.h"
#include "reports/ui/ChartFormParts.h"
#include "reports/ui/FormPicturePrinting.h"
#include "store/StoreError.h"
#include "ui/common/DefaultButton.h"
#include "ui/common/FormTwips.h"
#include "ui/common/LabelButton.h"
#include "ui/common/ListChoice.h"
#include "ui/common/Panel3D.h"
#include "ui/common/ValueLabel.h"
#include "ui/common/centraFormulario.h"

#include "ui/common/MessageBoxes.h"
#include "ui/common/Named.h"
#include "ui/common/WaitCursor.h"
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QToolButton>

namespace tesorin::reports {

using ui::LabelButton;
using ui::named;
using ui::placeTwips;

namespace {

const char* const kTag = "Tag";
constexpr int kFirstRowTop = 1395;
constexpr int kRowHeight = 305;
constexpr int kIncomeRight = 7395;  // under the total income, Label2
constexpr int kExpenseRight = 8790; // under the total expense, Label4

const QStringList kMonthNames{"Enero",      "Febrero", "Marzo",     "Abril",
                              "Mayo",       "Junio",   "Julio",     "Agosto",
                              "Septiembre", "Octubre", "Noviembre", "Diciembre"};
// The names under the bars.
const QStringList kShortMonthNames{"Enero", "Febrero", "Marzo",   "Abril",  "Mayo",    "Junio",
                                   "Julio", "Agosto",  "Septie.", "Octub.", "Noviem.", "Diciem."};

// Label5's index of the name of month m: 1, then 3 to 13.
int monthLabelIndex(int m) {
    return m == 1 ? 1 : m + 1;
}

} // namespace

panInfGra::panInfGra(store::Database& baseAbierta, QWidget* parent)
    : QDialog(parent), m_base(baseAbierta) {
    setObjectName(QStringLiteral("panInfGra"));
    setWindowTitle(QStringLiteral("Informe Anual de cuenta"));
    setFixedSize(fromTwips(9375), fromTwips(7980));
    paintWhiteInSmallType(this);

    createSelectionSide();
    createReportSide();
    setTabOrder(Label7, Label8);
    setTabOrder(Label8, Combo1);
    setTabOrder(Combo1, Command2);
    setTabOrder(Command2, Command1);

    // Load: the current year, no account condition, every amount "0,00",
    // no bar, and the accounts in the order the table gives them.
    xAnio->setText(QString::number(clock::today().year()));
    Label5_0->setText(annualTitle(xAnio->text()));
    Command1->setProperty(kTag, QString());
    try {
        Combo1->addItems(accountNamesInTableOrder(m_base));
    } catch (const store::StoreError& error) {
        ui::MessageBoxes::critical(this, QStringLiteral("Error"), error.message());
    }

    connect(Label7, &LabelButton::clicked, this, [this] { stepYear(-1); });
    connect(Label8, &LabelButton::clicked, this, [this] { stepYear(+1); });
    connect(Command2, &QPushButton::clicked, this, &panInfGra::Command2_Click);
    connect(Command1, &QToolButton::clicked, this, &panInfGra::Command1_Click);
    ui::centraFormulario(*this);
}

void panInfGra::createSelectionSide() {
    Picture1 = productPicture(this, 645, 1170);
    sp1 = new ui::Panel3D(QStringLiteral("sp1"), this);
    sp1->setBevel(ui::Bevel::Raised);
    placeTwips(sp1, 960, 1680, 3120, 3300);
    Label3_1 = textLabel(sp1, QStringLiteral("Label3_1"), QStringLiteral("Seleccione año :"));
    placeTwips(Label3_1, 45, 90, 2900, 225);
    Label7 =
        named(new LabelButton(QStringLiteral("<"), QStringLiteral("Año anterior"), sp1), "Label7");
    placeTwips(Label7, 60, 360, 285, 360);
    xAnio = named(new ui::ValueLabel(QStringLiteral("Año"), QStringLiteral("1999"), sp1), "xAnio");
    xAnio->setAlignment(Qt::AlignCenter);
    QFont large = xAnio->font();
    large.setPointSize(12);
    large.setBold(true);
    xAnio->setFont(large);
    placeTwips(xAnio, 375, 345, 660, 375);
    Label8 =
        named(new LabelButton(QStringLiteral(">"), QStringLiteral("Año siguiente"), sp1), "Label8");
    placeTwips(Label8, 1095, 360, 285, 360);
    Label3_1->setBuddy(Label7);
    placeTwips(ruleLine(sp1, QStringLiteral("Line5")), 60, 780, 1320, 15);
    Label3_2 = textLabel(sp1, QStringLiteral("Label3_2"), QStringLiteral("Seleccione cuenta :"));
    placeTwips(Label3_2, 45, 930, 2900, 225);
    Combo1 = named(new QListWidget(sp1), "Combo1");
    Combo1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    placeTwips(Combo1, 45, 1170, 2910, 1620);
    Label3_2->setBuddy(Combo1);
    m_choice = new ui::ListChoice(Combo1);
    Command2 = named(new QPushButton(QStringLiteral("Mostrar..."), sp1), "Command2");
    placeTwips(Command2, 1965, 2955, 975, 300);
    ui::makeOnlyDefault(*this, nullptr);
    Command1 = printButton(this, 975, 6690);
}

void panInfGra::createReportSide() {
    Label6 = textLabel(this, QStringLiteral("Label6"), QStringLiteral("Cuenta"));
    QFont large = Label6->font();
    large.setPointSize(14);
    large.setBold(true);
    Label6->setFont(large);
    placeTwips(Label6, 4215, 75, 5100, 450);
    Label5_0 = textLabel(this, QStringLiteral("Label5_0"), QString());
    QFont bold = Label5_0->font();
    bold.setBold(true);
    Label5_0->setFont(bold);
    placeTwips(Label5_0, 4245, 585, 5000, 255);
    placeTwips(ruleLine(this, QStringLiteral("Line3_0")), 4245, 870, 4860, 15);
    placeTwips(textLabel(this, QStringLiteral("Label5_2"),
                         QStringLiteral("Ingresos                   Egresos")),
               6765, 960, 2400, 225);
    placeTwips(ruleLine(this, QStringLiteral("Line3_1")), 4245, 1230, 4860, 15);

    for (int m = 1; m <= kMonths; ++m) {
        const int top = kFirstRowTop + (m - 1) * kRowHeight;
        placeTwips(textLabel(this, QStringLiteral("Label5_%1").arg(monthLabelIndex(m)),
                             kMonthNames[m - 1]),
                   4275, top, 1500, 255);
        QLabel*& income = mesIng[size_t(m - 1)];
        QLabel*& expense = mesEgr[size_t(m - 1)];
        income = amountLabel(this, QStringLiteral("mesIng_%1").arg(m - 1), font().pointSizeF(),
                             QStringLiteral("Ingresos de ") + kMonthNames[m - 1]);
        expense = amountLabel(this, QStringLiteral("mesEgr_%1").arg(m - 1), font().pointSizeF(),
                              QStringLiteral("Egresos de ") + kMonthNames[m - 1]);
        placeTwips(income, 5800, top, kIncomeRight - 5800, 255);
        placeTwips(expense, kIncomeRight + 15, top, kExpenseRight - kIncomeRight - 15, 255);
    }

    placeTwips(ruleLine(this, QStringLiteral("Line4")), 4245, 5085, 4860, 15);
    placeTwips(textLabel(this, QStringLiteral("Label3_0"), QStringLiteral("Totales :")), 4260, 5160,
               1500, 225);
    // The totals keep their right edges and reach further left than the
    // design's 1155 and 1095 twips, so that millions fit.
    Label2 = totalLabel(this, "Label2", QStringLiteral("Total de ingresos"));
    placeTwips(Label2, 5640, 5160, kIncomeRight - 5640, 225);
    Label4 = totalLabel(this, "Label4", QStringLiteral("Total de egresos"));
    placeTwips(Label4, 7440, 5160, kExpenseRight - 7440, 225);
    placeTwips(ruleLine(this, QStringLiteral("Line6")), 4245, 5445, 4860, 15);
    placeTwips(textLabel(this, QStringLiteral("Label3_3"), QStringLiteral("Gráfico ")), 1605, 5310,
               1200, 225);

    const ChartGeometry& geometry = annualGeometry();
    Grafico = named(new BarChartView(geometry, kShortMonthNames, this), "Grafico");
    const QRectF area = geometry.area;
    placeTwips(Grafico, int(area.left()), int(area.top()), int(area.width()), int(area.height()));
}

QString panInfGra::condition() const {
    return Command1->property(kTag).toString();
}

void panInfGra::showFigures(const ChartFigures& figures) {
    for (int i = 0; i < kMonths; ++i) {
        setAmountText(mesIng[size_t(i)], figures.incomeTexts[i]);
        setAmountText(mesEgr[size_t(i)], figures.expenseTexts[i]);
    }
    setAmountText(Label2, figures.totalIncomeText);
    setAmountText(Label4, figures.totalExpenseText);
    Grafico->setFigures(figures);
}

void panInfGra::stepYear(int step) {
    xAnio->setText(QString::number(xAnio->text().toInt() + step));
    Label5_0->setText(annualTitle(xAnio->text()));
    calcula();
}

void panInfGra::Command2_Click() {
    QStringList names;
    for (int i = 0; i < Combo1->count(); ++i) {
        if (Combo1->item(i)->isSelected())
            names << Combo1->item(i)->text();
    }
    Label6->setText(annualCaption(names));
    Command1->setProperty(kTag, annualCondition(names));
    calcula();
}

void panInfGra::calcula() {
    showFigures(emptyFigures(annualGeometry()));
    const QString year = xAnio->text();
    ChartTotals totals;
    try {
        ui::WaitCursor wait;
        totals = annualTotals(m_base, annualQuery(condition(), year), year.toInt());
    } catch (const store::StoreError& error) {
        ui::MessageBoxes::critical(this, QStringLiteral("Error"), error.message());
        return;
    }
    if (!totals.found) {
        // Only the list's current entry is named, however many are selected.
        const int chosen = m_choice->row();
        const QString current = chosen >= 0 ? Combo1->item(chosen)->text() : QString();
        ui::MessageBoxes::critical(this, QStringLiteral("E r r o r"),
                                   noMovementsMessage(current, year));
        return;
    }
    showFigures(chartFigures(totals, annualGeometry()));
}

void panInfGra::Command1_Click() {
    imprimeFormulario(*this, {Command1, sp1});
}

} // namespace tesorin::reports
