#pragma once

// Printing a chart form where no printer is installed: the question, the
// file dialog, and the PDF written, as both chart tests check them.
#include "support/ModalDriver.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

namespace tesorin::test {

// Arms the driver to say Yes to the question and to save the file at path.
inline void answerSaveAsPdf(ModalDriver& driver, const QString& path) {
    driver.nextAnswer(QMessageBox::Yes).expect<QFileDialog>([path](QFileDialog& dialog) {
        dialog.selectFile(path);
        QTimer::singleShot(0, &dialog, &QDialog::accept);
    });
}

// The text of a PDF file as pdftotext reads it (scripts/setup.sh installs it);
// empty when the tool is missing, which fails the check that reads it.
inline QString pdfText(const QString& path) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty())
        return {};
    QProcess process;
    process.start(tool, {QStringLiteral("-layout"), path, QStringLiteral("-")});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace tesorin::test
