#include "reports/ui/StatementOutput.h"

#include "reports/core/ReportError.h"
#include "reports/core/StatementGeometry.h"
#include "reports/core/StatementReport.h"
#include "reports/ui/StatementPainter.h"

#include <QDir>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

namespace tesorin::reports {

namespace {

QPageSize pageSize(Paper paper) {
    return QPageSize(paper == Paper::Carta ? QPageSize::Letter : QPageSize::A4);
}

// Paints a page on a device whose origin is the paper's top left corner.
void paintScaled(QPainter& painter, const StatementReport& report, const StatementPage& page,
                 double dotsPerInch) {
    painter.save();
    painter.scale(dotsPerInch / 72.0, dotsPerInch / 72.0);
    paintStatementPage(painter, page, report.layout());
    painter.restore();
}

} // namespace

QImage renderStatementPage(const StatementReport& report, const StatementPage& page, double zoom,
                           double devicePixelRatio) {
    const QSizeF paper = geometry::paperSize(report.layout().paper);
    const double scale = zoom * devicePixelRatio * 96.0 / 72.0;
    QImage image(QSize(qRound(paper.width() * scale), qRound(paper.height() * scale)),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(scale, scale);
    paintStatementPage(painter, page, report.layout());
    painter.end();
    image.setDevicePixelRatio(devicePixelRatio);
    return image;
}

bool writeStatementPdf(const StatementReport& report, const QString& path,
                       const PageProgress& progress) {
    const auto failed = [&path](const QString& why) {
        return ReportError(QStringLiteral("No se pudo guardar el informe en «%1»: %2")
                               .arg(QDir::toNativeSeparators(path), why));
    };
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw failed(file.errorString());
    QPdfWriter writer(&file);
    writer.setPageSize(pageSize(report.layout().paper));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setTitle(report.layout().title.isEmpty() ? QStringLiteral("Estado de cuenta")
                                                    : report.layout().title);
    writer.setCreator(QStringLiteral("Tesorin"));
    QPainter painter;
    if (!painter.begin(&writer))
        throw failed(QStringLiteral("no se pudo empezar a escribir el PDF."));
    for (int index = 0; index < report.pageCount(); ++index) {
        if (index > 0)
            writer.newPage();
        paintScaled(painter, report, report.page(index), writer.resolution());
        if (progress && !progress(index + 1)) {
            painter.end();
            file.cancelWriting();
            return false;
        }
    }
    if (!painter.end() || !file.commit())
        throw failed(file.errorString());
    return true;
}

void printStatement(const StatementReport& report, QPrinter& printer) {
    printer.setPageSize(pageSize(report.layout().paper));
    printer.setFullPage(true);
    const QPageRanges ranges = printer.pageRanges();
    QPainter painter;
    if (!painter.begin(&printer))
        throw ReportError(
            QStringLiteral("No se pudo empezar a imprimir en «%1».").arg(printer.printerName()));
    bool first = true;
    for (int index = 0; index < report.pageCount(); ++index) {
        if (!ranges.isEmpty() && !ranges.contains(index + 1))
            continue;
        if (!first)
            printer.newPage();
        first = false;
        paintScaled(painter, report, report.page(index), printer.resolution());
    }
    painter.end();
}

} // namespace tesorin::reports
