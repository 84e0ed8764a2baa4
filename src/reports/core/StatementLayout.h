#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace tesorin::reports {

// The statement's layout file, kept in the work-area folder.
inline const QString kLayoutFileName = QStringLiteral("caja.rpt");

enum class StatementField { Fecha, Detalle, Tipo, Ingreso, Egreso, Saldo };

struct StatementColumn {
    StatementField field;
    QString title;
    int width; // share of the page's width, relative to the other columns
    bool isAmount() const {
        return field == StatementField::Ingreso || field == StatementField::Egreso ||
               field == StatementField::Saldo;
    }
};

enum class Paper { A4, Carta };

// What the statement prints, as the layout file says: every text of the
// page (with {markers} still in them) and the columns of each account.
struct StatementLayout {
    Paper paper = Paper::A4;
    QString title;
    QString workArea;
    QStringList owner; // lines of the owner's profile; see fillOwnerLine
    QString period;
    QString periodFrom;
    QString periodTo;
    QString periodAll;
    QString account;
    QString accountContinued;
    QString carried;
    QString subtotal;
    QString total;
    QString empty;
    QString printed;
    QString page;
    QList<StatementColumn> columns;

    // Reads a layout text; fileName names it in messages. A line it cannot
    // read throws ReportError naming the line and what is wrong. A text the
    // file leaves out keeps its default.
    static StatementLayout parse(const QString& text, const QString& fileName);
    // The default layout file, with its explanations for the user.
    static const QString& defaultText();
};

// The layout file of the work-area folder, read afresh; when there is none
// it is first written with the default layout. Throws ReportError.
StatementLayout readStatementLayout(const QString& fileName = kLayoutFileName);

// The key of a marker or field name as the layout compares them: lower case,
// without accents, single blanks ("Profesión" and "profesion" are one).
QString markerKey(const QString& name);

// A layout text with each {marker} replaced by its value from values (keyed
// by markerKey); a marker with no value gives an empty text.
QString fillMarkers(const QString& text, const QHash<QString, QString>& values);

// A line of the owner's profile: its pieces between '|' are kept only when
// every marker in them has a value, so "{Profesion}| · Matrícula {Matricula}"
// prints the profession alone when there is no registration number. Blanks
// and separators (· , ; -) left at either end are dropped; the result may
// be empty.
QString fillOwnerLine(const QString& text, const QHash<QString, QString>& values);

} // namespace tesorin::reports
