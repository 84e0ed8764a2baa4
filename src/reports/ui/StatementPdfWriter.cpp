#include "reports/ui/StatementPdfWriter.h"

#include "reports/ui/TrueTypeSubset.h"

#include <QIODevice>
#include <QPainterPath>
#include <QRawFont>
#include <QSet>
#include <QtEndian>

#include <algorithm>
#include <cmath>

namespace tesorin::reports {

namespace {

// Objects with fixed numbers; the others are numbered as they come.
constexpr int kCatalog = 1;
constexpr int kPageTree = 2;
constexpr int kInfo = 3;
constexpr int kResources = 4;

// A number as PDF writes it: at most three decimals, no trailing zeros.
void appendNumber(QByteArray& out, double value) {
    qint64 thousandths = qint64(std::llround(value * 1000.0));
    char buffer[32];
    char* end = buffer + sizeof buffer;
    char* at = end;
    const bool negative = thousandths < 0;
    if (negative)
        thousandths = -thousandths;
    qint64 whole = thousandths / 1000;
    int fraction = int(thousandths % 1000);
    if (fraction != 0) {
        int digits = 3;
        while (fraction % 10 == 0) {
            fraction /= 10;
            --digits;
        }
        for (int i = 0; i < digits; ++i, fraction /= 10)
            *--at = char('0' + fraction % 10);
        *--at = '.';
    }
    do {
        *--at = char('0' + whole % 10);
        whole /= 10;
    } while (whole > 0);
    if (negative)
        *--at = '-';
    out.append(at, end - at);
}

void appendColor(QByteArray& out, const QColor& color, const char* op) {
    appendNumber(out, color.redF());
    out += ' ';
    appendNumber(out, color.greenF());
    out += ' ';
    appendNumber(out, color.blueF());
    out += ' ';
    out += op;
    out += '\n';
}

const char kHex[] = "0123456789ABCDEF";

void appendHex16(QByteArray& out, quint32 value) {
    const char digits[4] = {kHex[(value >> 12) & 0xF], kHex[(value >> 8) & 0xF],
                            kHex[(value >> 4) & 0xF], kHex[value & 0xF]};
    out.append(digits, 4);
}

// A text as a PDF string in UTF-16 with its byte order mark.
QByteArray textString(const QString& text) {
    QByteArray out = "<FEFF";
    for (const QChar c : text)
        appendHex16(out, c.unicode());
    return out + '>';
}

// A name made of letters and digits only, as font names must be.
QByteArray plainName(const QString& text) {
    QByteArray out;
    for (const QChar c : text) {
        if (c.unicode() < 128 && c.isLetterOrNumber())
            out += char(c.unicode());
    }
    return out.isEmpty() ? QByteArray("Font") : out;
}

qint16 s16(const QByteArray& data, qsizetype at) {
    return data.size() >= at + 2
               ? qFromBigEndian<qint16>(reinterpret_cast<const uchar*>(data.constData()) + at)
               : 0;
}

} // namespace

// A font of the document: its glyphs in use, their widths and characters,
// by glyph number.
struct StatementPdfWriter::EmbeddedFont {
    QRawFont font;       // sized at its units per em, so advances are in font units
    QByteArray resource; // "F1"
    int object = 0;
    bool outlines = false;            // no TrueType program: its glyphs are drawn as shapes
    std::vector<double> widths;       // thousandths of the em; negative while unused
    std::vector<char16_t> characters; // 0 where unknown

    double width(quint32 glyph) {
        if (glyph >= widths.size())
            widths.resize(glyph + 1, -1.0);
        if (widths[glyph] < 0) {
            const QList<QPointF> advance =
                font.advancesForGlyphIndexes(QList<quint32>{glyph}, QRawFont::UseDesignMetrics);
            const double units = font.unitsPerEm() > 0 ? font.unitsPerEm() : 1000.0;
            widths[glyph] = std::max(0.0, advance.value(0).x() * 1000.0 / units);
        }
        return widths[glyph];
    }

    void character(quint32 glyph, char16_t c) {
        if (glyph >= characters.size())
            characters.resize(glyph + 1, 0);
        if (characters[glyph] == 0)
            characters[glyph] = c;
    }
};

class StatementPdfWriter::PageCanvas : public StatementCanvas {
public:
    PageCanvas(StatementPdfWriter& writer, double height) : m_writer(writer) {
        // Points from the top left corner, as the statement is laid out.
        m_content.reserve(64 * 1024);
        m_content = "q 1 0 0 -1 0 ";
        appendNumber(m_content, height);
        m_content += " cm\n";
    }

    QByteArray finish() {
        m_content += "Q\n";
        return std::move(m_content);
    }

    void fillRect(const QRectF& rect, const QColor& color) override {
        fill(color);
        appendNumber(m_content, rect.x());
        m_content += ' ';
        appendNumber(m_content, rect.y());
        m_content += ' ';
        appendNumber(m_content, rect.width());
        m_content += ' ';
        appendNumber(m_content, rect.height());
        m_content += " re f\n";
    }

    void line(const QPointF& from, const QPointF& to, double width, const QColor& color) override {
        appendColor(m_content, color, "RG");
        appendNumber(m_content, width);
        m_content += " w ";
        appendNumber(m_content, from.x());
        m_content += ' ';
        appendNumber(m_content, from.y());
        m_content += " m ";
        appendNumber(m_content, to.x());
        m_content += ' ';
        appendNumber(m_content, to.y());
        m_content += " l S\n";
    }

    void glyphs(const QGlyphRun& run, const QColor& color, const QString& characters) override {
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        if (glyphs.isEmpty() || positions.size() != glyphs.size())
            return;
        EmbeddedFont& font = m_writer.fontFor(run.rawFont());
        fill(color);
        if (font.outlines) {
            shapes(run);
            return;
        }
        const bool known = characters.size() == glyphs.size();
        for (qsizetype i = 0; known && i < glyphs.size(); ++i)
            font.character(glyphs[i], characters[i].unicode());
        const double size = run.rawFont().pixelSize();
        qsizetype first = 0;
        while (first < glyphs.size()) {
            // One text operation for the glyphs on one baseline; the gaps
            // between them are adjustments inside it.
            qsizetype end = first + 1;
            while (end < glyphs.size() && positions[end].y() == positions[first].y())
                ++end;
            m_content += "BT /";
            m_content += font.resource;
            m_content += ' ';
            appendNumber(m_content, size);
            m_content += " Tf 1 0 0 -1 ";
            appendNumber(m_content, positions[first].x());
            m_content += ' ';
            appendNumber(m_content, positions[first].y());
            m_content += " Tm [<";
            double x = positions[first].x();
            for (qsizetype i = first; i < end; ++i) {
                const double gap = positions[i].x() - x;
                if (std::fabs(gap) > 0.0005) {
                    m_content += "> ";
                    appendNumber(m_content, -gap * 1000.0 / size);
                    m_content += " <";
                }
                appendHex16(m_content, glyphs[i]);
                x = positions[i].x() + font.width(glyphs[i]) * size / 1000.0;
            }
            m_content += ">] TJ ET\n";
            first = end;
        }
    }

private:
    void fill(const QColor& color) {
        if (color == m_fill)
            return;
        m_fill = color;
        appendColor(m_content, color, "rg");
    }

    // Glyphs of a font that cannot be embedded, drawn as filled shapes.
    void shapes(const QGlyphRun& run) {
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < glyphs.size(); ++i) {
            const QPainterPath path =
                run.rawFont().pathForGlyph(glyphs[i]).translated(positions[i]);
            for (int e = 0; e < path.elementCount(); ++e) {
                const QPainterPath::Element element = path.elementAt(e);
                appendNumber(m_content, element.x);
                m_content += ' ';
                appendNumber(m_content, element.y);
                if (element.isMoveTo()) {
                    m_content += " m\n";
                } else if (element.isLineTo()) {
                    m_content += " l\n";
                } else if (element.isCurveTo() && e + 2 < path.elementCount()) {
                    for (int k = 1; k <= 2; ++k) {
                        m_content += ' ';
                        appendNumber(m_content, path.elementAt(e + k).x);
                        m_content += ' ';
                        appendNumber(m_content, path.elementAt(e + k).y);
                    }
                    m_content += " c\n";
                    e += 2;
                } else {
                    m_content += " l\n";
                }
            }
            if (path.elementCount() > 0)
                m_content += path.fillRule() == Qt::WindingFill ? "f\n" : "f*\n";
        }
    }

    StatementPdfWriter& m_writer;
    QByteArray m_content;
    QColor m_fill = Qt::black;
};

StatementPdfWriter::StatementPdfWriter(QIODevice& device, const QSizeF& pageSize,
                                       const QString& title)
    : m_device(device), m_pageSize(pageSize), m_title(title), m_offsets(kResources + 1, 0) {
    write("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n");
}

StatementPdfWriter::~StatementPdfWriter() = default;

int StatementPdfWriter::newObject() {
    m_offsets.push_back(0);
    return int(m_offsets.size()) - 1;
}

void StatementPdfWriter::startObject(int object) {
    m_offsets[size_t(object)] = m_written;
    write(QByteArray::number(object) + " 0 obj\n");
}

void StatementPdfWriter::write(const QByteArray& bytes) {
    if (m_failed)
        return;
    if (m_device.write(bytes) != bytes.size())
        m_failed = true;
    m_written += bytes.size();
}

void StatementPdfWriter::writeStream(int object, const QByteArray& data,
                                     const QByteArray& extraEntries) {
    // qCompress puts the length before the zlib stream that PDF reads.
    const QByteArray packed = qCompress(data).mid(4);
    startObject(object);
    write("<< /Length " + QByteArray::number(packed.size()) + " /Filter /FlateDecode" +
          extraEntries + " >>\nstream\n");
    write(packed);
    write("\nendstream\nendobj\n");
}

StatementCanvas& StatementPdfWriter::newPage() {
    endPage();
    m_page = std::make_unique<PageCanvas>(*this, m_pageSize.height());
    return *m_page;
}

void StatementPdfWriter::endPage() {
    if (!m_page)
        return;
    const int contents = newObject();
    writeStream(contents, m_page->finish());
    m_page.reset();
    const int page = newObject();
    startObject(page);
    QByteArray dictionary = "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 ";
    appendNumber(dictionary, m_pageSize.width());
    dictionary += ' ';
    appendNumber(dictionary, m_pageSize.height());
    dictionary +=
        "] /Resources 4 0 R /Contents " + QByteArray::number(contents) + " 0 R >>\nendobj\n";
    write(dictionary);
    m_pages.append(page);
}

StatementPdfWriter::EmbeddedFont& StatementPdfWriter::fontFor(const QRawFont& font) {
    const QString key = font.familyName() + QLatin1Char('\n') + font.styleName() +
                        QLatin1Char('\n') + QString::number(font.weight()) + QLatin1Char('\n') +
                        QString::number(int(font.style()));
    if (EmbeddedFont* known = m_fontByKey.value(key))
        return *known;
    auto embedded = std::make_unique<EmbeddedFont>();
    embedded->font = font;
    if (font.unitsPerEm() > 0)
        embedded->font.setPixelSize(font.unitsPerEm());
    embedded->outlines = font.fontTable("glyf").isEmpty() || font.fontTable("loca").isEmpty();
    embedded->resource = "F" + QByteArray::number(qsizetype(m_fonts.size()) + 1);
    m_fontByKey.insert(key, embedded.get());
    m_fonts.push_back(std::move(embedded));
    return *m_fonts.back();
}

void StatementPdfWriter::writeFont(EmbeddedFont& font) {
    QSet<quint32> used;
    for (size_t glyph = 0; glyph < font.widths.size(); ++glyph) {
        if (font.widths[glyph] >= 0)
            used.insert(quint32(glyph));
    }
    const QByteArray program = trueTypeSubset(font.font, used);
    // A subset's name starts with six capital letters of its own.
    const int index = font.resource.mid(1).toInt();
    QByteArray tag = "TSR";
    for (int n = index, i = 0; i < 3; ++i, n /= 26)
        tag += char('A' + n % 26);
    const QByteArray name =
        tag + '+' + plainName(font.font.familyName()) + '-' + plainName(font.font.styleName());

    const int descendant = newObject();
    const int descriptor = newObject();
    const int file = newObject();
    const int toUnicode = newObject();

    startObject(font.object);
    write("<< /Type /Font /Subtype /Type0 /BaseFont /" + name +
          " /Encoding /Identity-H /DescendantFonts [" + QByteArray::number(descendant) +
          " 0 R] /ToUnicode " + QByteArray::number(toUnicode) + " 0 R >>\nendobj\n");

    QByteArray widths = "[";
    for (size_t glyph = 0; glyph < font.widths.size(); ++glyph) {
        if (font.widths[glyph] < 0)
            continue;
        widths += QByteArray::number(qulonglong(glyph)) + " [";
        appendNumber(widths, font.widths[glyph]);
        widths += "] ";
    }
    widths += ']';
    startObject(descendant);
    write("<< /Type /Font /Subtype /CIDFontType2 /BaseFont /" + name +
          " /CIDSystemInfo << /Registry (Adobe) /Ordering (Identity) /Supplement 0 >>"
          " /FontDescriptor " +
          QByteArray::number(descriptor) + " 0 R /CIDToGIDMap /Identity /W " + widths +
          " >>\nendobj\n");

    const QByteArray head = font.font.fontTable("head");
    const QByteArray hhea = font.font.fontTable("hhea");
    const double units = font.font.unitsPerEm() > 0 ? font.font.unitsPerEm() : 1000.0;
    const auto scaled = [units](int value) {
        return QByteArray::number(qRound(value * 1000.0 / units));
    };
    const bool italic = font.font.style() != QFont::StyleNormal;
    startObject(descriptor);
    write("<< /Type /FontDescriptor /FontName /" + name + " /Flags " +
          QByteArray::number(italic ? 96 : 32) + " /FontBBox [" + scaled(s16(head, 36)) + ' ' +
          scaled(s16(head, 38)) + ' ' + scaled(s16(head, 40)) + ' ' + scaled(s16(head, 42)) +
          "] /ItalicAngle " + QByteArray(italic ? "-12" : "0") + " /Ascent " +
          scaled(s16(hhea, 4)) + " /Descent " + scaled(s16(hhea, 6)) + " /CapHeight " +
          scaled(s16(hhea, 4)) + " /StemV 80 /FontFile2 " + QByteArray::number(file) +
          " 0 R >>\nendobj\n");
    writeStream(file, program, " /Length1 " + QByteArray::number(program.size()));

    QByteArray cmap = "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
                      "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
                      "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
                      "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n";
    QList<std::pair<quint32, char16_t>> mapped;
    for (size_t glyph = 0; glyph < font.characters.size(); ++glyph) {
        if (font.characters[glyph] != 0)
            mapped.append({quint32(glyph), font.characters[glyph]});
    }
    for (qsizetype from = 0; from < mapped.size(); from += 100) {
        const qsizetype count = std::min<qsizetype>(100, mapped.size() - from);
        cmap += QByteArray::number(count) + " beginbfchar\n";
        for (qsizetype i = from; i < from + count; ++i) {
            cmap += '<';
            appendHex16(cmap, mapped[i].first);
            cmap += "> <";
            appendHex16(cmap, mapped[i].second);
            cmap += ">\n";
        }
        cmap += "endbfchar\n";
    }
    cmap += "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
    writeStream(toUnicode, cmap);
}

bool StatementPdfWriter::finish() {
    endPage();
    QByteArray fonts;
    for (const auto& font : m_fonts) {
        if (font->outlines)
            continue;
        font->object = newObject();
        fonts += '/' + font->resource + ' ' + QByteArray::number(font->object) + " 0 R ";
    }
    for (const auto& font : m_fonts) {
        if (!font->outlines)
            writeFont(*font);
    }
    startObject(kResources);
    write("<< /Font << " + fonts + ">> >>\nendobj\n");
    startObject(kPageTree);
    QByteArray kids;
    for (const int page : std::as_const(m_pages))
        kids += QByteArray::number(page) + " 0 R ";
    write("<< /Type /Pages /Kids [" + kids + "] /Count " + QByteArray::number(m_pages.size()) +
          " >>\nendobj\n");
    startObject(kInfo);
    write("<< /Title " + textString(m_title) + " /Creator " +
          textString(QStringLiteral("Tesorin")) + " /Producer " +
          textString(QStringLiteral("Tesorin")) + " >>\nendobj\n");
    startObject(kCatalog);
    write("<< /Type /Catalog /Pages 2 0 R >>\nendobj\n");

    const qint64 index = m_written;
    QByteArray table =
        "xref\n0 " + QByteArray::number(qsizetype(m_offsets.size())) + "\n0000000000 65535 f \n";
    for (size_t object = 1; object < m_offsets.size(); ++object)
        table += QByteArray::number(m_offsets[object]).rightJustified(10, '0') + " 00000 n \n";
    table += "trailer\n<< /Size " + QByteArray::number(qsizetype(m_offsets.size())) +
             " /Root 1 0 R /Info 3 0 R >>\nstartxref\n" + QByteArray::number(index) + "\n%%EOF\n";
    write(table);
    return !m_failed;
}

} // namespace tesorin::reports
