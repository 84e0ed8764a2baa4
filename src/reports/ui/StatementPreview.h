#pragma once

#include "reports/core/StatementPage.h"

#include <QDialog>

#include <memory>

class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QSpinBox;

namespace tesorin::reports {

class StatementReport;

// "Informe preliminar de caja.": the statement's pages one at a time, with
// zoom, page turning, printing and export to PDF. Only the page on screen
// is read and painted.
class StatementPreview : public QDialog {
    Q_OBJECT
public:
    StatementPreview(std::unique_ptr<StatementReport> report, const QString& title,
                     QWidget* parent = nullptr);
    ~StatementPreview() override;

    const StatementReport& report() const { return *m_report; }
    // The page on screen, from 0.
    int currentPage() const { return m_pageIndex; }
    void showPage(int index);

    // "Imprimir": the print dialog on the default printer; with no printer
    // installed, says so and offers the export to PDF.
    void imprimir();
    // "Exportar PDF": asks where and writes every page.
    void exportarPdf();

    QPushButton* botPrimera;
    QPushButton* botAnterior;
    QLabel* labPagina;
    QSpinBox* numPagina;
    QLabel* labPaginas;
    QPushButton* botSiguiente;
    QPushButton* botUltima;
    QLabel* labZoom;
    QComboBox* cboZoom;
    QPushButton* botImprimir;
    QPushButton* botExportarPdf;
    QPushButton* botCerrar;
    QScrollArea* areaPagina;
    QLabel* imagenPagina;
    QLabel* labEstado;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void renderPage();
    double zoomFactor() const;
    void stepZoom(int steps);
    void updateButtons();
    QString suggestedPdfPath() const;

    std::unique_ptr<StatementReport> m_report;
    int m_pageIndex = -1;
    StatementPage m_page;
};

} // namespace tesorin::reports
