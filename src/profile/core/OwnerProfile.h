#pragma once

#include <QString>
#include <QStringList>

#include <array>

namespace tesorin::store {
class Database;
}

// The owner's profile: the one row of "Registro Usuario", which the account
// statement prints under its title.
namespace tesorin::profile {

struct ProfileField {
    const char* name;  // the field of "Registro Usuario"
    const char* label; // how the form names it
};

constexpr int kProfileFields = 9;
// The fields in the order the form shows them.
const std::array<ProfileField, kProfileFields>& profileFields();
// The longest text a field keeps: that of a text field of the old work areas.
constexpr int kProfileFieldLength = 255;

// The values of the fields, in profileFields() order; empty texts where the
// row or a value is missing. Throws StoreError.
QStringList readOwnerProfile(store::Database& db);
// Writes the values (profileFields() order, cut to kProfileFieldLength) into
// the row, adding it when the work area has none; one transaction. Throws
// StoreError.
void saveOwnerProfile(store::Database& db, const QStringList& values);

} // namespace tesorin::profile
