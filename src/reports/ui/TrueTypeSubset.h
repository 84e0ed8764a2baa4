#pragma once

#include <QByteArray>
#include <QSet>

class QRawFont;

namespace tesorin::reports {

// The TrueType program of font keeping only the outlines of `glyphs` (and
// of the glyphs they are built from, and glyph 0); glyph numbers stay as
// they are, the others are left empty. Empty when the font has no TrueType
// outlines (a 'glyf' table) or its tables cannot be read.
QByteArray trueTypeSubset(const QRawFont& font, const QSet<quint32>& glyphs);

} // namespace tesorin::reports
