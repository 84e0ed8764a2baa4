#include "oldworkareas/core/JetFile.h"

#include <QFile>

namespace tesorin::oldworkareas {

namespace {

// The first page begins with a page type of 0, three bytes, the text
// "Standard Jet DB" with its terminating zero, and the format's version byte.
constexpr int kSignatureOffset = 4;
constexpr char kSignature[] = "Standard Jet DB";
constexpr int kVersionOffset = 0x14;

} // namespace

JetVersion jetVersionOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return JetVersion::None;
    const QByteArray head = file.read(kVersionOffset + 1);
    if (head.size() != kVersionOffset + 1 || head.at(0) != 0)
        return JetVersion::None;
    const QByteArray signature(kSignature, sizeof kSignature); // with its zero
    if (head.mid(kSignatureOffset, signature.size()) != signature)
        return JetVersion::None;
    switch (head.at(kVersionOffset)) {
    case 0:
        return JetVersion::Jet3;
    case 1:
        return JetVersion::Jet4;
    default:
        return JetVersion::None;
    }
}

bool isOldWorkArea(const QString& path) {
    return jetVersionOf(path) != JetVersion::None;
}

} // namespace tesorin::oldworkareas
