#pragma once

#include "reports/ui/StatementCanvas.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QSizeF>
#include <QString>

#include <memory>
#include <vector>

class QIODevice;

namespace tesorin::reports {

// Writes a PDF of statement pages straight from the canvas calls: each run
// of glyphs becomes one text operation in an embedded subset of its
// TrueType font, where a general PDF engine writes one operation a glyph.
// A statement of thousands of pages is written in a fraction of the time
// and space.
class StatementPdfWriter {
public:
    StatementPdfWriter(QIODevice& device, const QSizeF& pageSize, const QString& title);
    ~StatementPdfWriter();
    StatementPdfWriter(const StatementPdfWriter&) = delete;
    StatementPdfWriter& operator=(const StatementPdfWriter&) = delete;

    // Ends the page being drawn, if any, and starts another.
    StatementCanvas& newPage();
    // Ends the last page and writes the fonts and the document's index.
    // False when the device refused some of the writing.
    bool finish();

private:
    class PageCanvas;
    struct EmbeddedFont;

    int newObject();
    void startObject(int object);
    void write(const QByteArray& bytes);
    void writeStream(int object, const QByteArray& data, const QByteArray& extraEntries = {});
    void endPage();
    EmbeddedFont& fontFor(const QRawFont& font);
    void writeFont(EmbeddedFont& font);

    QIODevice& m_device;
    QSizeF m_pageSize;
    QString m_title;
    qint64 m_written = 0;
    bool m_failed = false;
    std::vector<qint64> m_offsets; // by object number; index 0 unused
    QList<int> m_pages;
    std::unique_ptr<PageCanvas> m_page;
    std::vector<std::unique_ptr<EmbeddedFont>> m_fonts;
    QHash<QString, EmbeddedFont*> m_fontByKey;
};

} // namespace tesorin::reports
