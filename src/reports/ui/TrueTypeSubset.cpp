#include "reports/ui/TrueTypeSubset.h"

#include <QList>
#include <QRawFont>
#include <QtEndian>

#include <algorithm>
#include <map>

namespace tesorin::reports {

namespace {

quint16 u16(const QByteArray& data, qsizetype at) {
    return qFromBigEndian<quint16>(reinterpret_cast<const uchar*>(data.constData()) + at);
}
quint32 u32(const QByteArray& data, qsizetype at) {
    return qFromBigEndian<quint32>(reinterpret_cast<const uchar*>(data.constData()) + at);
}
void put16(QByteArray& data, quint16 value) {
    char bytes[2];
    qToBigEndian(value, bytes);
    data.append(bytes, 2);
}
void put32(QByteArray& data, quint32 value) {
    char bytes[4];
    qToBigEndian(value, bytes);
    data.append(bytes, 4);
}
void padToFour(QByteArray& data) {
    while (data.size() % 4 != 0)
        data.append('\0');
}
quint32 checksum(QByteArray data) {
    padToFour(data);
    quint32 sum = 0;
    for (qsizetype at = 0; at < data.size(); at += 4)
        sum += u32(data, at);
    return sum;
}

// The glyphs a composite glyph is made of.
QList<quint32> components(const QByteArray& glyph) {
    QList<quint32> parts;
    if (glyph.size() < 10 || qint16(u16(glyph, 0)) >= 0)
        return parts;
    qsizetype at = 10;
    for (;;) {
        if (at + 4 > glyph.size())
            break;
        const quint16 flags = u16(glyph, at);
        parts.append(u16(glyph, at + 2));
        at += 4 + ((flags & 0x0001) ? 4 : 2); // ARG_1_AND_2_ARE_WORDS
        if (flags & 0x0008)                   // WE_HAVE_A_SCALE
            at += 2;
        else if (flags & 0x0040) // WE_HAVE_AN_X_AND_Y_SCALE
            at += 4;
        else if (flags & 0x0080) // WE_HAVE_A_TWO_BY_TWO
            at += 8;
        if (!(flags & 0x0020)) // MORE_COMPONENTS
            break;
    }
    return parts;
}

} // namespace

QByteArray trueTypeSubset(const QRawFont& font, const QSet<quint32>& glyphs) {
    QByteArray head = font.fontTable("head");
    const QByteArray maxp = font.fontTable("maxp");
    const QByteArray loca = font.fontTable("loca");
    const QByteArray glyf = font.fontTable("glyf");
    if (head.size() < 54 || maxp.size() < 6 || loca.isEmpty() || glyf.isEmpty())
        return {};
    const bool longOffsets = u16(head, 50) != 0;
    const quint32 count = u16(maxp, 4);
    if (loca.size() < qsizetype(count + 1) * (longOffsets ? 4 : 2))
        return {};
    const auto offset = [&](quint32 glyph) -> quint32 {
        return longOffsets ? u32(loca, glyph * 4) : quint32(u16(loca, glyph * 2)) * 2;
    };
    const auto outline = [&](quint32 glyph) {
        const quint32 from = offset(glyph);
        const quint32 to = offset(glyph + 1);
        return to > from && to <= quint32(glyf.size()) ? glyf.mid(from, to - from) : QByteArray();
    };

    QSet<quint32> kept{0};
    QList<quint32> pending(glyphs.begin(), glyphs.end());
    while (!pending.isEmpty()) {
        const quint32 glyph = pending.takeLast();
        if (glyph >= count || kept.contains(glyph))
            continue;
        kept.insert(glyph);
        pending.append(components(outline(glyph)));
    }

    QByteArray newGlyf;
    QByteArray newLoca;
    for (quint32 glyph = 0; glyph < count; ++glyph) {
        put32(newLoca, quint32(newGlyf.size()));
        if (kept.contains(glyph)) {
            newGlyf.append(outline(glyph));
            padToFour(newGlyf);
        }
    }
    put32(newLoca, quint32(newGlyf.size()));
    qToBigEndian<quint16>(1, head.data() + 50); // long loca offsets
    qToBigEndian<quint32>(0, head.data() + 8);  // checksum adjustment, left out

    std::map<QByteArray, QByteArray> tables{
        {"glyf", newGlyf}, {"head", head}, {"loca", newLoca}, {"maxp", maxp}};
    for (const char* tag :
         {"OS/2", "cmap", "cvt ", "fpgm", "hhea", "hmtx", "name", "post", "prep"}) {
        const QByteArray table = font.fontTable(tag);
        if (!table.isEmpty())
            tables.emplace(QByteArray(tag), table);
    }
    if (!tables.count("hhea") || !tables.count("hmtx"))
        return {};

    const quint16 tableCount = quint16(tables.size());
    quint16 power = 1;
    quint16 selector = 0;
    while (power * 2 <= tableCount) {
        power *= 2;
        ++selector;
    }
    QByteArray out;
    put32(out, 0x00010000);
    put16(out, tableCount);
    put16(out, quint16(power * 16));
    put16(out, selector);
    put16(out, quint16(tableCount * 16 - power * 16));
    quint32 at = 12 + 16 * quint32(tableCount);
    for (const auto& [tag, data] : tables) {
        out.append(tag);
        put32(out, checksum(data));
        put32(out, at);
        put32(out, quint32(data.size()));
        at += quint32((data.size() + 3) / 4 * 4);
    }
    for (const auto& [tag, data] : tables) {
        out.append(data);
        padToFour(out);
    }
    return out;
}

} // namespace tesorin::reports
