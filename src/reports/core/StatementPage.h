#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace tesorin::reports {

// One line of a statement page, its texts ready to print.
struct StatementLine {
    enum class Kind {
        Title,        // text
        WorkArea,     // text
        Owner,        // text: one line of the owner's profile
        Period,       // text
        HeadingEnd,   // the rule under the first page's heading
        AccountTitle, // text: the account, or the account continued
        ColumnHeads,  // cells: the columns' titles
        Carried,      // text and cells: the balance brought from the page before
        Movement,     // cells: one movement
        Subtotal,     // text and cells: the account's totals
        SectionGap,   // space between two accounts
        GrandTotal,   // text and cells: the totals of every account
        Empty,        // text: nothing was selected
    };
    Kind kind;
    QString text;
    QStringList cells;   // one per column of the layout; empty texts where nothing goes
    bool shaded = false; // every other movement of an account, for the eye to follow a row
};

struct StatementPage {
    int number = 0; // from 1
    int count = 0;
    // Pages after the first repeat the title, the work area and the period.
    QStringList runningHeader;
    QList<StatementLine> lines;
    QString printed;  // the footer's left text: the print date
    QString pageText; // the footer's right text: "Página N de M"
};

} // namespace tesorin::reports
