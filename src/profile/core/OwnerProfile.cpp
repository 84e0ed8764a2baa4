#include "profile/core/OwnerProfile.h"

#include "history/core/StepNames.h"
#include "store/ChangeLog.h"
#include "store/Database.h"
#include "store/StoreError.h"

namespace tesorin::profile {

namespace {

QString quotedName(const char* field) {
    return QLatin1Char('"') + QString::fromUtf8(field) + QLatin1Char('"');
}

QStringList quotedNames() {
    QStringList names;
    for (const ProfileField& field : profileFields())
        names << quotedName(field.name);
    return names;
}

} // namespace

const std::array<ProfileField, kProfileFields>& profileFields() {
    static const std::array<ProfileField, kProfileFields> fields{{
        {"Apellido y Nombres", "Apellido y Nombres"},
        {"Sufijo", "Sufijo"},
        {"Profesion", "Profesión"},
        {"Matricula", "Matrícula"},
        {"Lugar de Ejercicio", "Lugar de Ejercicio"},
        {"Domicilio", "Domicilio"},
        {"Cpost", "Código postal"},
        {"Localidad", "Localidad"},
        {"Telefonos", "Teléfonos"},
    }};
    return fields;
}

QStringList readOwnerProfile(store::Database& db) {
    store::Statement row = db.prepare(QStringLiteral("SELECT %1 FROM \"Registro Usuario\" LIMIT 1")
                                          .arg(quotedNames().join(QStringLiteral(", "))));
    QStringList values;
    const bool found = row.step();
    for (int i = 0; i < kProfileFields; ++i)
        values << (found ? row.text(i) : QString());
    return values;
}

void saveOwnerProfile(store::Database& db, const QStringList& values) {
    store::ChangeStep step(db, history::steps::kEditProfile);
    store::Statement count =
        db.prepare(QStringLiteral("SELECT count(*) FROM \"Registro Usuario\""));
    count.step();
    const bool hasRow = count.int64(0) > 0;
    QStringList places;
    for (int i = 0; i < kProfileFields; ++i)
        places << QStringLiteral("?%1").arg(i + 1);
    QString sql;
    if (hasRow) {
        QStringList assignments;
        const QStringList names = quotedNames();
        for (int i = 0; i < kProfileFields; ++i)
            assignments << names[i] + QStringLiteral(" = ") + places[i];
        // The statement prints the first row; a work area with more keeps
        // them all alike.
        sql = QStringLiteral("UPDATE \"Registro Usuario\" SET %1")
                  .arg(assignments.join(QStringLiteral(", ")));
    } else {
        sql = QStringLiteral("INSERT INTO \"Registro Usuario\" (%1) VALUES (%2)")
                  .arg(quotedNames().join(QStringLiteral(", ")), places.join(QStringLiteral(", ")));
    }
    store::Statement write = db.prepare(sql);
    for (int i = 0; i < kProfileFields; ++i)
        write.bindText(i + 1, values.value(i).left(kProfileFieldLength));
    write.run();
    step.commit();
}

} // namespace tesorin::profile
