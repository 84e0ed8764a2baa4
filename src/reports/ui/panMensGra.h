#pragma once

#include <QDialog>

#include <array>

class QCalendarWidget;
class QComboBox;
class QFrame;
class QLabel;
class QToolButton;

namespace tesorin::ui {
class Panel3D;
}

namespace tesorin::app {}
namespace tesorin::store {
class Database;
}

namespace tesorin::reports {

class BarChartView;
struct ChartFigures;

// "Informe mensual de cuentas": the income and expense of every day of a
// month, for one account or for all, as a table, two totals and a pair of
// bars per day. Picking a date or an account recomputes the form; it prints
// its own picture.
class panMensGra : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDays = 31;

    explicit panMensGra(store::Database& baseAbierta, QWidget* parent = nullptr);

    // Recomputes the table, the totals and the bars for the month of
    // calendar1 and the account in Combo1's text.
    void calcula();

    QFrame* Picture1;
    ui::Panel3D* sp1;
    QLabel* Label3_1;
    QCalendarWidget* calendar1;
    QLabel* Label3_2;
    QComboBox* Combo1;
    QToolButton* Command1;
    QLabel* Label6;
    QLabel* Label5_0;
    std::array<QLabel*, kDays> mesIng{};
    std::array<QLabel*, kDays> mesEgr{};
    QLabel* Label2;
    QLabel* Label4;
    // Line1, Line2, Line7, Label1 and the bars SSSa and SSEn.
    BarChartView* Grafico;

private:
    void createSelectionSide();
    void createReportSide();
    void calendar1_Pick();
    void Combo1_Click();
    void Command1_Click();
    void showFigures(const ChartFigures& figures);

    store::Database& m_base;
};

} // namespace tesorin::reports
