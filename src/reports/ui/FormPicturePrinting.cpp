#include "reports/ui/FormPicturePrinting.h"

#include "ui/common/MessageBoxes.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QWidget>

#include <algorithm>

namespace tesorin::reports {

namespace {

const QString kQuestionTitle = QStringLiteral("Pregunta");
const QString kErrorTitle = QStringLiteral("Error");

// Hides controls for as long as it lives, then gives each its former state.
class HiddenWhile {
public:
    explicit HiddenWhile(const QList<QWidget*>& widgets) {
        for (QWidget* w : widgets) {
            m_wasHidden.append(w->isHidden());
            w->hide();
        }
        m_widgets = widgets;
    }
    ~HiddenWhile() {
        for (qsizetype i = 0; i < m_widgets.size(); ++i)
            m_widgets[i]->setHidden(m_wasHidden[i]);
    }
    HiddenWhile(const HiddenWhile&) = delete;
    HiddenWhile& operator=(const HiddenWhile&) = delete;

private:
    QList<QWidget*> m_widgets;
    QList<bool> m_wasHidden;
};

bool ask(QWidget& form, const QString& question) {
    return ui::MessageBoxes::ask(&form, kQuestionTitle, question,
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void printOnDefaultPrinter(QWidget& form, const QList<QWidget*>& hidden) {
    QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    printer.setDocName(form.windowTitle());
    if (!paintFormPicture(form, hidden, printer) || printer.printerState() == QPrinter::Error)
        ui::MessageBoxes::critical(
            &form, kErrorTitle,
            QStringLiteral("No se pudo imprimir en la impresora «%1».").arg(printer.printerName()));
}

void saveAsPdf(QWidget& form, const QList<QWidget*>& hidden) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QFileInfo(folder).isDir())
        folder = QDir::homePath();
    QString path = QFileDialog::getSaveFileName(
        &form, QStringLiteral("Guardar el gráfico como PDF"),
        QFileInfo(folder, form.windowTitle() + QStringLiteral(".pdf")).filePath(),
        QStringLiteral("Documentos PDF (*.pdf)"), nullptr, QFileDialog::DontUseNativeDialog);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    bool painted = false;
    {
        QPdfWriter pdf(path);
        pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        pdf.setTitle(form.windowTitle());
        pdf.setCreator(QStringLiteral("Tesorin"));
        painted = paintFormPicture(form, hidden, pdf);
    }
    if (!painted || QFileInfo(path).size() == 0)
        ui::MessageBoxes::critical(&form, kErrorTitle,
                                   QStringLiteral("No se pudo guardar el archivo «%1».").arg(path));
}

} // namespace

void imprimeFormulario(QWidget& form, const QList<QWidget*>& hiddenWhilePrinting) {
    if (!QPrinterInfo::availablePrinters().isEmpty()) {
        if (ask(form, QStringLiteral("Imprime este gráfico en su impresora predeterminada?")))
            printOnDefaultPrinter(form, hiddenWhilePrinting);
        return;
    }
    if (ask(form, QStringLiteral("No hay ninguna impresora instalada. ¿Guarda este gráfico como "
                                 "archivo PDF?")))
        saveAsPdf(form, hiddenWhilePrinting);
}

bool paintFormPicture(QWidget& form, const QList<QWidget*>& hiddenWhilePrinting,
                      QPagedPaintDevice& device) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    HiddenWhile hidden(hiddenWhilePrinting);
    // The form's own size on paper: 96 pixels an inch, as on the screen.
    const QSize size = form.size();
    const double natural = double(device.logicalDpiX()) / 96.0;
    const double fit =
        std::min(double(device.width()) / size.width(), double(device.height()) / size.height());
    const double scale = std::min(natural, fit);
    // Centred across the page, at the top of its printable area.
    painter.translate((device.width() - size.width() * scale) / 2, 0);
    painter.scale(scale, scale);
    form.render(&painter, QPoint(), QRegion(),
                QWidget::DrawWindowBackground | QWidget::DrawChildren);
    return painter.end();
}

} // namespace tesorin::reports
