#include "reports/ui/StatementPreview.h"

#include "reports/core/ReportError.h"
#include "reports/core/StatementGeometry.h"
#include "reports/core/StatementReport.h"
#include "reports/ui/StatementOutput.h"
#include "store/StoreError.h"

#include "ui/common/DefaultButton.h"
#include "ui/common/Named.h"
#include "ui/common/WaitCursor.h"

#include "ui/common/ErrorMessage.h"
#include "ui/common/MessageBoxes.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSpinBox>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace tesorin::reports {

using ui::named;

using ui::named;

namespace {

// Zoom choices: the two fits first, then fixed sizes.
constexpr double kFitWidth = -1;
constexpr double kFitPage = -2;
const double kZooms[] = {kFitWidth, kFitPage, 0.5, 0.75, 1.0, 1.25, 1.5, 2.0};

} // namespace

StatementPreview::StatementPreview(std::unique_ptr<StatementReport> report, const QString& title,
                                   QWidget* parent)
    : QDialog(parent), m_report(std::move(report)) {
    setObjectName(QStringLiteral("StatementPreview"));
    setWindowTitle(title);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    const int pages = m_report->pageCount();
    botPrimera = named(new QPushButton(QStringLiteral("« P&rimera"), this), "botPrimera");
    botAnterior = named(new QPushButton(QStringLiteral("‹ &Anterior"), this), "botAnterior");
    labPagina = named(new QLabel(QStringLiteral("&Página"), this), "labPagina");
    numPagina = named(new QSpinBox(this), "numPagina");
    numPagina->setRange(1, pages);
    labPagina->setBuddy(numPagina);
    labPaginas = named(new QLabel(QStringLiteral("de %1").arg(pages), this), "labPaginas");
    botSiguiente = named(new QPushButton(QStringLiteral("&Siguiente ›"), this), "botSiguiente");
    botUltima = named(new QPushButton(QStringLiteral("Ú&ltima »"), this), "botUltima");
    labZoom = named(new QLabel(QStringLiteral("&Zoom"), this), "labZoom");
    cboZoom = named(new QComboBox(this), "cboZoom");
    for (const double zoom : kZooms) {
        cboZoom->addItem(zoom == kFitWidth  ? QStringLiteral("Ancho de página")
                         : zoom == kFitPage ? QStringLiteral("Página entera")
                                            : QStringLiteral("%1 %").arg(qRound(zoom * 100)),
                         zoom);
    }
    labZoom->setBuddy(cboZoom);
    botImprimir = named(new QPushButton(QStringLiteral("&Imprimir..."), this), "botImprimir");
    botExportarPdf =
        named(new QPushButton(QStringLiteral("&Exportar PDF..."), this), "botExportarPdf");
    botCerrar = named(new QPushButton(QStringLiteral("&Cerrar"), this), "botCerrar");
    ui::makeOnlyDefault(*this, nullptr);

    imagenPagina = named(new QLabel(this), "imagenPagina");
    imagenPagina->setAccessibleName(QStringLiteral("Página del informe"));
    imagenPagina->setAlignment(Qt::AlignCenter);
    areaPagina = named(new QScrollArea(this), "areaPagina");
    areaPagina->setWidget(imagenPagina);
    areaPagina->setWidgetResizable(true);
    areaPagina->setAlignment(Qt::AlignCenter);
    areaPagina->setBackgroundRole(QPalette::Dark);
    areaPagina->setAccessibleName(QStringLiteral("Página del informe"));
    areaPagina->viewport()->installEventFilter(this);
    labEstado = named(new QLabel(this), "labEstado");

    auto* bar = new QHBoxLayout;
    bar->addWidget(botPrimera);
    bar->addWidget(botAnterior);
    bar->addSpacing(8);
    bar->addWidget(labPagina);
    bar->addWidget(numPagina);
    bar->addWidget(labPaginas);
    bar->addSpacing(8);
    bar->addWidget(botSiguiente);
    bar->addWidget(botUltima);
    bar->addSpacing(16);
    bar->addWidget(labZoom);
    bar->addWidget(cboZoom);
    bar->addStretch();
    bar->addWidget(botImprimir);
    bar->addWidget(botExportarPdf);
    bar->addWidget(botCerrar);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(areaPagina, 1);
    layout->addWidget(labEstado);

    connect(botPrimera, &QPushButton::clicked, this, [this] { showPage(0); });
    connect(botAnterior, &QPushButton::clicked, this, [this] { showPage(m_pageIndex - 1); });
    connect(botSiguiente, &QPushButton::clicked, this, [this] { showPage(m_pageIndex + 1); });
    connect(botUltima, &QPushButton::clicked, this,
            [this] { showPage(m_report->pageCount() - 1); });
    connect(numPagina, &QSpinBox::valueChanged, this, [this](int number) { showPage(number - 1); });
    connect(cboZoom, &QComboBox::currentIndexChanged, this, [this] { renderPage(); });
    connect(botImprimir, &QPushButton::clicked, this, &StatementPreview::imprimir);
    connect(botExportarPdf, &QPushButton::clicked, this, &StatementPreview::exportarPdf);
    connect(botCerrar, &QPushButton::clicked, this, &QDialog::accept);
    const auto shortcut = [this](QKeySequence keys, auto action) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, action);
    };
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown), [this] { showPage(m_pageIndex + 1); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp), [this] { showPage(m_pageIndex - 1); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Home), [this] { showPage(0); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_End), [this] { showPage(m_report->pageCount() - 1); });
    shortcut(QKeySequence::ZoomIn, [this] { stepZoom(1); });
    shortcut(QKeySequence::ZoomOut, [this] { stepZoom(-1); });

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect room = screen->availableGeometry();
        resize(std::min(room.width(), 1000), room.height() * 9 / 10);
    }
    showPage(0);
}

StatementPreview::~StatementPreview() = default;

void StatementPreview::showPage(int index) {
    index = std::clamp(index, 0, m_report->pageCount() - 1);
    if (index == m_pageIndex)
        return;
    try {
        m_page = m_report->page(index);
    } catch (const ReportError& error) {
        ui::showError(this, error.message());
        return;
    } catch (const store::StoreError& error) {
        ui::showError(this, error.message());
        return;
    }
    m_pageIndex = index;
    numPagina->blockSignals(true);
    numPagina->setValue(index + 1);
    numPagina->blockSignals(false);
    // The picture of the page is read with the page it shows.
    imagenPagina->setAccessibleName(
        QStringLiteral("Página %1 de %2 del informe").arg(index + 1).arg(m_report->pageCount()));
    updateButtons();
    renderPage();
    areaPagina->verticalScrollBar()->setValue(0);
}

double StatementPreview::zoomFactor() const {
    const double zoom = cboZoom->currentData().toDouble();
    if (zoom > 0)
        return zoom;
    // The paper at 100 % is its size at 96 dots per inch; leave a margin
    // around it inside the scroll area.
    const QSizeF paper = geometry::paperSize(m_report->layout().paper) * (96.0 / 72.0);
    const QSize room = areaPagina->viewport()->size() - QSize(24, 24);
    const double fitWidth = room.width() / paper.width();
    if (zoom == kFitWidth)
        return std::max(0.1, fitWidth);
    return std::max(0.1, std::min(fitWidth, room.height() / paper.height()));
}

void StatementPreview::renderPage() {
    if (m_pageIndex < 0)
        return;
    imagenPagina->setPixmap(QPixmap::fromImage(
        renderStatementPage(*m_report, m_page, zoomFactor(), devicePixelRatioF())));
}

void StatementPreview::stepZoom(int steps) {
    // From a fit, the steps go on from the fixed size nearest to it.
    int index = cboZoom->currentIndex();
    if (cboZoom->currentData().toDouble() < 0) {
        const double now = zoomFactor();
        index = 2;
        while (index + 1 < cboZoom->count() && cboZoom->itemData(index).toDouble() < now)
            ++index;
    }
    cboZoom->setCurrentIndex(std::clamp(index + steps, 2, cboZoom->count() - 1));
}

void StatementPreview::updateButtons() {
    const int last = m_report->pageCount() - 1;
    botPrimera->setEnabled(m_pageIndex > 0);
    botAnterior->setEnabled(m_pageIndex > 0);
    botSiguiente->setEnabled(m_pageIndex < last);
    botUltima->setEnabled(m_pageIndex < last);
}

// A fitted page follows the size of the area that shows it.
bool StatementPreview::eventFilter(QObject* watched, QEvent* event) {
    if (watched == areaPagina->viewport() && event->type() == QEvent::Resize &&
        cboZoom->currentData().toDouble() < 0)
        renderPage();
    return QDialog::eventFilter(watched, event);
}

void StatementPreview::imprimir() {
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        const auto answer = ui::MessageBoxes::ask(
            this, QStringLiteral("Pregunta"),
            QStringLiteral("No hay ninguna impresora instalada en este equipo.\n\n"
                           "¿Desea exportar el informe a un archivo PDF?"),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
        if (answer == QMessageBox::Yes)
            exportarPdf();
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(windowTitle());
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Imprimir"));
    dialog.setMinMax(1, m_report->pageCount());
    if (dialog.exec() != QDialog::Accepted)
        return;
    try {
        ui::WaitCursor wait;
        printStatement(*m_report, printer);
        labEstado->setText(
            QStringLiteral("Informe enviado a la impresora «%1».").arg(printer.printerName()));
    } catch (const ReportError& error) {
        ui::showError(this, error.message());
    } catch (const store::StoreError& error) {
        ui::showError(this, error.message());
    }
}

QString StatementPreview::suggestedPdfPath() const {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    const QString workArea = QFileInfo(m_report->workAreaName()).completeBaseName();
    return QDir(folder).filePath(QStringLiteral("Estado de cuenta %1 %2.pdf")
                                     .arg(workArea, m_report->printDate().toString(Qt::ISODate)));
}

void StatementPreview::exportarPdf() {
    QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("Exportar PDF"), suggestedPdfPath(),
        QStringLiteral("Documentos PDF (*.pdf)"), nullptr, QFileDialog::DontUseNativeDialog);
    if (path.isEmpty())
        return;
    if (!path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    QProgressDialog progress(QStringLiteral("Exportando el informe a PDF..."),
                             QStringLiteral("Cancelar"), 0, m_report->pageCount(), this);
    progress.setWindowTitle(QStringLiteral("Exportar PDF"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(700);
    try {
        ui::WaitCursor wait;
        const bool written = writeStatementPdf(*m_report, path, [&progress](int done) {
            progress.setValue(done);
            return !progress.wasCanceled();
        });
        labEstado->setText(
            written
                ? QStringLiteral("Informe guardado en «%1».").arg(QDir::toNativeSeparators(path))
                : QStringLiteral("Exportación cancelada: no se guardó nada."));
    } catch (const ReportError& error) {
        ui::showError(this, error.message());
    } catch (const store::StoreError& error) {
        ui::showError(this, error.message());
    }
}

} // namespace tesorin::reports
