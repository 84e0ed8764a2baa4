#pragma once

#include <QString>

#include <optional>

namespace tesorin::workareas {

// Why a name typed for a new work area cannot be used.
struct NameRefusal {
    QString message;
    // The name is emptied for a fresh one (it names a work area that exists);
    // otherwise it is kept so the user can correct it.
    bool clearsName = false;
};

// Nothing when the typed name can become a new work area. A name must not be
// empty (".MDB" would be a hidden file that no list shows), may hold only
// letters, digits, blanks, "-" and "_" (so no path or wildcard ever reaches
// the file system), and must not name an existing work area in any letter case.
std::optional<NameRefusal> refuseNewWorkAreaName(const QString& typed);

// The bare file name of a new work area: the typed name with ".MDB".
QString newWorkAreaFileName(const QString& typed);

} // namespace tesorin::workareas
