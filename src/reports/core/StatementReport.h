#pragma once

#include "base/Money.h"
#include "reports/core/StatementLayout.h"
#include "reports/core/StatementPage.h"

#include <QDate>
#include <QHash>
#include <QString>

#include <memory>
#include <vector>

namespace tesorin::store {
class Database;
}

namespace tesorin::reports {

struct SelectionCondition;

// The account statement: the movements of a work area for which a
// selection formula holds, one section per account (accounts in name
// order, movements by date) with a running balance and the account's
// totals, then the totals of every account, on pages as the layout file
// says.
//
// Only the movements' identifiers and net amounts are kept, in statement
// order (16 bytes a movement); a page's movements are read from the work
// area, in one query, when that page is asked for, so the first page of a
// statement of a million movements comes at once.
class StatementReport {
public:
    // Reads the layout file of the work-area folder (writing the default one
    // when there is none), opens workAreaName (a bare name in that folder),
    // selects the movements and lays out the pages. Throws ReportError (the
    // formula or the layout) or store::StoreError (the work area).
    StatementReport(const QString& workAreaName, const QString& formula, const QDate& printDate,
                    const QString& layoutFileName = kLayoutFileName);
    ~StatementReport();
    StatementReport(const StatementReport&) = delete;
    StatementReport& operator=(const StatementReport&) = delete;

    const QString& workAreaName() const { return m_workAreaName; }
    const QString& formula() const { return m_formula; }
    const QDate& printDate() const { return m_printDate; }
    const StatementLayout& layout() const { return m_layout; }
    int pageCount() const { return int(m_pageStarts.size()); }
    // Page index (from 0) with its texts. Throws store::StoreError when the
    // work area cannot be read.
    StatementPage page(int index) const;

    qsizetype movementCount() const { return qsizetype(m_ids.size()); }
    Money totalIncome() const { return m_totalIncome; }
    Money totalExpense() const { return m_totalExpense; }

private:
    struct Section {
        QString name;
        qsizetype first = 0; // index of its first movement in m_ids
        qsizetype count = 0;
        Money income;
        Money expense;
    };
    enum class Phase { Empty, SectionStart, Rows, Subtotal, GrandTotal, Done };
    // Where a page starts: the phase, the account and movement it is at,
    // and the account's balance so far.
    struct Cursor {
        Phase phase = Phase::Empty;
        int section = 0;
        qsizetype row = 0;
        Money balance;
    };
    class PageBuilder;

    void selectMovements(const SelectionCondition& condition);
    void readOwnerProfile();
    void paginate();
    // Lays out one page from `start` and returns where the next one starts.
    // Without a builder only the page breaks are worked out; idsOnPage, when
    // given, receives the movements the page holds.
    Cursor layPage(Cursor start, bool firstPage, PageBuilder* builder,
                   std::vector<qint64>* idsOnPage = nullptr) const;

    QString m_workAreaName;
    QString m_formula;
    QDate m_printDate;
    StatementLayout m_layout;
    std::unique_ptr<store::Database> m_db;
    QHash<QString, QString> m_markers; // caja, desde, hasta, fecha and the owner's profile
    QStringList m_ownerLines;
    QString m_periodText;
    std::vector<qint64> m_ids;
    std::vector<Money> m_nets; // income less expense of each movement of m_ids
    std::vector<Section> m_sections;
    std::vector<Cursor> m_pageStarts;
    Money m_totalIncome;
    Money m_totalExpense;
};

} // namespace tesorin::reports
