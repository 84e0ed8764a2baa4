#pragma once

#include <QString>

// Recognises a work area of the program Tesorin replaces by the first page of
// its file: a Jet database of the version 3 or 4 format.
namespace tesorin::oldworkareas {

enum class JetVersion { None, Jet3, Jet4 };

// Reads only the first page's header; a missing, short or unreadable file, or
// a Jet file of a later format, is None.
JetVersion jetVersionOf(const QString& path);

bool isOldWorkArea(const QString& path);

} // namespace tesorin::oldworkareas
