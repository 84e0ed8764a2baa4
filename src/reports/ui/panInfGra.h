#pragma once

#include <QDialog>

#include <array>

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QToolButton;

namespace tesorin::ui {
class Panel3D;
class LabelButton;
class ListChoice;
} // namespace tesorin::ui

namespace tesorin::app {}
namespace tesorin::store {
class Database;
}

namespace tesorin::reports {

class BarChartView;
struct ChartFigures;

// "Informe Anual de cuenta": the income and expense of every month of a
// year, for the accounts chosen (or all), as a table, two totals and a pair
// of bars per month. The arrows step the year and "Mostrar..." takes the
// accounts selected; each recomputes the form. It prints its own picture.
class panInfGra : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMonths = 12;

    explicit panInfGra(store::Database& baseAbierta, QWidget* parent = nullptr);

    // Recomputes the table, the totals and the bars for the year in xAnio
    // and the account condition kept in Command1's Tag.
    void calcula();
    // The account condition last composed by "Mostrar..." (Command1's Tag).
    QString condition() const;

    QFrame* Picture1;
    ui::Panel3D* sp1;
    QLabel* Label3_1;
    ui::LabelButton* Label7;
    QLabel* xAnio;
    ui::LabelButton* Label8;
    QLabel* Label3_2;
    QListWidget* Combo1;
    QPushButton* Command2;
    QToolButton* Command1;
    QLabel* Label6;
    QLabel* Label5_0;
    std::array<QLabel*, kMonths> mesIng{};
    std::array<QLabel*, kMonths> mesEgr{};
    QLabel* Label2;
    QLabel* Label4;
    // Line1, Line2, Label1 and the bars SSSa and SSEn.
    BarChartView* Grafico;

private:
    void createSelectionSide();
    void createReportSide();
    void stepYear(int step);
    void Command2_Click();
    void Command1_Click();
    void showFigures(const ChartFigures& figures);

    store::Database& m_base;
    // The account the user last clicked or chose with a key, if any.
    ui::ListChoice* m_choice = nullptr;
};

} // namespace tesorin::reports
