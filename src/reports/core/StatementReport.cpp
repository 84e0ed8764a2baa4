#include "reports/core/StatementReport.h"

#include "base/Regional.h"
#include "reports/core/ReportError.h"
#include "reports/core/SelectionFormula.h"
#include "reports/core/StatementGeometry.h"
#include "store/Database.h"

#include <QCollator>

#include <algorithm>
#include <vector>

namespace tesorin::reports {

namespace {

using Kind = StatementLine::Kind;

// Account names group as the Cuenta column compares them (SQLite's NOCASE:
// letters A to Z without regard to case, everything else exactly), so an
// account is one section however its movements spell it.
QString accountKey(const QString& name) {
    QString key = name;
    for (QChar& c : key) {
        if (c.unicode() < 128)
            c = c.toLower();
    }
    return key;
}

// "YYYY-MM-DD" as the number YYYYMMDD, which orders as the dates do; 0 for
// anything else.
int dateKey(const QString& stored) {
    if (stored.size() != 10)
        return 0;
    int key = 0;
    for (int i : {0, 1, 2, 3, 5, 6, 8, 9}) {
        const char16_t c = stored[i].unicode();
        if (c < u'0' || c > u'9')
            return 0;
        key = key * 10 + (c - u'0');
    }
    return key;
}

Money storedAmount(const store::Statement& row, int column, qint64 id) {
    if (row.isNull(column))
        return Money();
    const auto amount = Money::fromStored(row.real(column));
    if (!amount)
        throw ReportError(
            QStringLiteral("El movimiento número %1 tiene un importe que no se puede leer.")
                .arg(id));
    return *amount;
}

QString nonZeroCurrency(Money amount) {
    return amount.isZero() ? QString() : regional::currency(amount);
}

} // namespace

// Builds the lines of one page from its movements, read in one query.
class StatementReport::PageBuilder {
public:
    PageBuilder(const StatementReport& report, StatementPage& page, const std::vector<qint64>& ids)
        : m_report(report), m_page(page) {
        if (ids.empty())
            return;
        QString sql = QStringLiteral("SELECT idMovimiento, Fecha, Detalle, Tipo, Ingreso, Egreso "
                                     "FROM Movimientos WHERE idMovimiento IN (");
        for (size_t i = 0; i < ids.size(); ++i)
            sql += i == 0 ? QStringLiteral("?") : QStringLiteral(",?");
        sql += QLatin1Char(')');
        store::Statement rows = report.m_db->prepare(sql);
        for (size_t i = 0; i < ids.size(); ++i)
            rows.bindInt64(int(i) + 1, ids[i]);
        while (rows.step()) {
            const qint64 id = rows.int64(0);
            m_rows.insert(id, {rows.text(1), rows.text(2), rows.text(3), storedAmount(rows, 4, id),
                               storedAmount(rows, 5, id)});
        }
    }

    void text(Kind kind, const QString& text) { m_page.lines.append({kind, text, {}}); }

    void amounts(Kind kind, const QString& label, Money income, Money expense, Money balance) {
        QStringList cells;
        for (const StatementColumn& column : m_report.m_layout.columns) {
            switch (column.field) {
            case StatementField::Ingreso:
                cells << (kind == Kind::Carried ? QString() : regional::currency(income));
                break;
            case StatementField::Egreso:
                cells << (kind == Kind::Carried ? QString() : regional::currency(expense));
                break;
            case StatementField::Saldo:
                cells << regional::currency(balance);
                break;
            default:
                cells << QString();
            }
        }
        m_page.lines.append({kind, label, cells});
    }

    void columnHeads() {
        QStringList cells;
        for (const StatementColumn& column : m_report.m_layout.columns)
            cells << column.title;
        m_page.lines.append({Kind::ColumnHeads, QString(), cells});
    }

    // Appends the movement with the balance after it.
    void movement(qint64 id, Money balance, bool shaded) {
        const auto row = m_rows.constFind(id);
        if (row == m_rows.constEnd())
            throw ReportError(QStringLiteral("El movimiento número %1 ya no está en la caja; "
                                             "vuelva a pedir el informe.")
                                  .arg(id));
        const QDate date = QDate::fromString(row->date, Qt::ISODate);
        QStringList cells;
        for (const StatementColumn& column : m_report.m_layout.columns) {
            switch (column.field) {
            case StatementField::Fecha:
                cells << (date.isValid() ? regional::shortDate(date) : row->date);
                break;
            case StatementField::Detalle:
                cells << row->detail;
                break;
            case StatementField::Tipo:
                cells << row->medium;
                break;
            case StatementField::Ingreso:
                cells << nonZeroCurrency(row->income);
                break;
            case StatementField::Egreso:
                cells << nonZeroCurrency(row->expense);
                break;
            case StatementField::Saldo:
                cells << regional::currency(balance);
                break;
            }
        }
        m_page.lines.append({Kind::Movement, QString(), cells, shaded});
    }

private:
    struct Row {
        QString date;
        QString detail;
        QString medium;
        Money income;
        Money expense;
    };
    const StatementReport& m_report;
    StatementPage& m_page;
    QHash<qint64, Row> m_rows;
};

StatementReport::StatementReport(const QString& workAreaName, const QString& formula,
                                 const QDate& printDate, const QString& layoutFileName)
    : m_workAreaName(workAreaName), m_formula(formula), m_printDate(printDate) {
    const SelectionCondition condition = parseSelectionFormula(formula);
    m_layout = readStatementLayout(layoutFileName);
    m_db = store::Database::OpenDatabase(workAreaName);
    // The statement reads its pages' movements in account order, all over
    // the file: reading it through memory spares a system call a page.
    m_db->exec(QStringLiteral("PRAGMA mmap_size = 1073741824"));

    m_markers.insert(QStringLiteral("caja"), workAreaName);
    m_markers.insert(QStringLiteral("fecha"), regional::shortDate(printDate));
    if (condition.firstDay)
        m_markers.insert(QStringLiteral("desde"), regional::shortDate(*condition.firstDay));
    if (condition.lastDay)
        m_markers.insert(QStringLiteral("hasta"), regional::shortDate(*condition.lastDay));
    readOwnerProfile();
    for (const QString& line : std::as_const(m_layout.owner)) {
        const QString filled = fillOwnerLine(line, m_markers);
        if (!filled.isEmpty())
            m_ownerLines << filled;
    }
    const QString& period = condition.firstDay && condition.lastDay ? m_layout.period
                            : condition.firstDay                    ? m_layout.periodFrom
                            : condition.lastDay                     ? m_layout.periodTo
                                                                    : m_layout.periodAll;
    m_periodText = fillMarkers(period, m_markers);

    selectMovements(condition);
    paginate();
}

StatementReport::~StatementReport() = default;

void StatementReport::selectMovements(const SelectionCondition& condition) {
    // The rows come in the table's order and are put in statement order
    // here: a sort in memory is several times quicker than SQLite's sort of
    // a whole work area.
    struct Selected {
        qint64 id;
        int section;
        int date;
        Money net;
    };
    std::vector<Selected> selected;
    try {
        store::Statement rows = m_db->prepare(
            QStringLiteral("SELECT idMovimiento, Cuenta, Fecha, Ingreso, Egreso FROM Movimientos "
                           "WHERE ") +
            condition.sql);
        for (int i = 0; i < condition.values.size(); ++i)
            rows.bind(i + 1, condition.values[i]);
        QHash<QString, int> sectionOf;
        QString previousAccount;
        int previousSection = -1;
        while (rows.step()) {
            const qint64 id = rows.int64(0);
            const QString account = rows.text(1);
            const Money income = storedAmount(rows, 3, id);
            const Money expense = storedAmount(rows, 4, id);
            if (previousSection < 0 || account != previousAccount) {
                const QString key = accountKey(account);
                auto found = sectionOf.constFind(key);
                if (found == sectionOf.constEnd()) {
                    found = sectionOf.insert(key, int(m_sections.size()));
                    m_sections.push_back({account, 0, 0, {}, {}});
                }
                previousSection = *found;
                previousAccount = account;
            }
            Section& section = m_sections[size_t(previousSection)];
            ++section.count;
            section.income += income;
            section.expense += expense;
            selected.push_back({id, previousSection, dateKey(rows.text(2)), income - expense});
        }
        for (const Section& section : m_sections) {
            m_totalIncome += section.income;
            m_totalExpense += section.expense;
        }
        // The grand balance has to fit in a total as well.
        static_cast<void>(m_totalIncome - m_totalExpense);
    } catch (const MoneyOutOfRange&) {
        throw ReportError(QStringLiteral("Los importes del informe suman más de lo que un total "
                                         "puede guardar (900.000.000.000)."));
    }

    // Accounts in name order as the regional settings sort names, then each
    // account's movements by date and, within a day, in the order entered.
    std::vector<int> order(m_sections.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = int(i);
    QCollator collator(regional::locale());
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(order.begin(), order.end(), [this, &collator](int a, int b) {
        return collator.compare(m_sections[size_t(a)].name, m_sections[size_t(b)].name) < 0;
    });
    std::vector<int> rank(m_sections.size());
    for (size_t i = 0; i < order.size(); ++i)
        rank[size_t(order[i])] = int(i);
    std::sort(selected.begin(), selected.end(), [&rank](const Selected& a, const Selected& b) {
        const int ra = rank[size_t(a.section)];
        const int rb = rank[size_t(b.section)];
        return ra != rb ? ra < rb : a.date != b.date ? a.date < b.date : a.id < b.id;
    });

    std::vector<Section> sections;
    sections.reserve(m_sections.size());
    for (const int index : order) {
        Section section = m_sections[size_t(index)];
        section.first =
            qsizetype(sections.empty() ? 0 : sections.back().first + sections.back().count);
        sections.push_back(section);
    }
    m_sections = std::move(sections);
    m_ids.reserve(selected.size());
    m_nets.reserve(selected.size());
    for (const Selected& row : selected) {
        m_ids.push_back(row.id);
        m_nets.push_back(row.net);
    }
}

void StatementReport::readOwnerProfile() {
    store::Statement profile =
        m_db->prepare(QStringLiteral("SELECT * FROM \"Registro Usuario\" LIMIT 1"));
    if (!profile.step())
        return;
    for (int column = 0; column < profile.columnCount(); ++column)
        m_markers.insert(markerKey(profile.columnName(column)), profile.text(column).trimmed());
}

void StatementReport::paginate() {
    Cursor cursor;
    cursor.phase = m_sections.empty() ? Phase::Empty : Phase::SectionStart;
    while (cursor.phase != Phase::Done) {
        m_pageStarts.push_back(cursor);
        cursor = layPage(cursor, m_pageStarts.size() == 1, nullptr);
    }
}

StatementReport::Cursor StatementReport::layPage(Cursor c, bool firstPage, PageBuilder* builder,
                                                 std::vector<qint64>* idsOnPage) const {
    const double room = geometry::bodyRect(m_layout.paper, firstPage).height();
    double used = 0;
    const auto fits = [&](double height) { return used + height <= room; };
    const auto place = [&](Kind kind) { used += geometry::lineHeight(kind); };
    const auto placeText = [&](Kind kind, const QString& text) {
        place(kind);
        if (builder)
            builder->text(kind, text);
    };
    const auto accountText = [&](const QString& text, const Section& section) {
        QHash<QString, QString> markers = m_markers;
        markers.insert(QStringLiteral("cuenta"),
                       section.name.isEmpty() ? QStringLiteral("(sin cuenta)") : section.name);
        return fillMarkers(text, markers);
    };

    if (firstPage) {
        const QString title = fillMarkers(m_layout.title, m_markers);
        const QString workArea = fillMarkers(m_layout.workArea, m_markers);
        if (!title.isEmpty())
            placeText(Kind::Title, title);
        if (!workArea.isEmpty())
            placeText(Kind::WorkArea, workArea);
        for (const QString& line : m_ownerLines)
            placeText(Kind::Owner, line);
        if (!m_periodText.isEmpty())
            placeText(Kind::Period, m_periodText);
        placeText(Kind::HeadingEnd, QString());
    }

    // An account carried over from the page before starts this one with its
    // title, the columns' titles and the balance so far.
    bool placedAny = false;
    if (c.phase == Phase::Rows || c.phase == Phase::Subtotal) {
        const Section& section = m_sections[size_t(c.section)];
        placeText(Kind::AccountTitle, accountText(m_layout.accountContinued, section));
        place(Kind::ColumnHeads);
        place(Kind::Carried);
        if (builder) {
            builder->columnHeads();
            builder->amounts(Kind::Carried, m_layout.carried, {}, {}, c.balance);
        }
        placedAny = true;
    }

    qsizetype rowsHere = 0;
    for (;;) {
        switch (c.phase) {
        case Phase::Empty:
            placeText(Kind::Empty, fillMarkers(m_layout.empty, m_markers));
            c.phase = Phase::Done;
            break;
        case Phase::SectionStart: {
            const Section& section = m_sections[size_t(c.section)];
            const double need = geometry::lineHeight(Kind::AccountTitle) +
                                geometry::lineHeight(Kind::ColumnHeads) +
                                geometry::lineHeight(Kind::Movement) +
                                (section.count == 1 ? geometry::lineHeight(Kind::Subtotal) : 0);
            if (placedAny && !fits(need))
                return c;
            placeText(Kind::AccountTitle, accountText(m_layout.account, section));
            place(Kind::ColumnHeads);
            if (builder)
                builder->columnHeads();
            placedAny = true;
            c.phase = Phase::Rows;
            c.row = 0;
            c.balance = Money();
            break;
        }
        case Phase::Rows: {
            const Section& section = m_sections[size_t(c.section)];
            while (c.row < section.count) {
                // The last movement keeps its account's totals company.
                const bool last = c.row == section.count - 1;
                const double need = geometry::lineHeight(Kind::Movement) +
                                    (last ? geometry::lineHeight(Kind::Subtotal) : 0);
                if (rowsHere > 0 && !fits(need))
                    return c;
                place(Kind::Movement);
                const qsizetype index = section.first + c.row;
                c.balance += m_nets[size_t(index)];
                if (builder)
                    builder->movement(m_ids[size_t(index)], c.balance, c.row % 2 == 1);
                if (idsOnPage)
                    idsOnPage->push_back(m_ids[size_t(index)]);
                ++c.row;
                ++rowsHere;
            }
            c.phase = Phase::Subtotal;
            break;
        }
        case Phase::Subtotal: {
            const Section& section = m_sections[size_t(c.section)];
            if (rowsHere > 0 && !fits(geometry::lineHeight(Kind::Subtotal)))
                return c;
            place(Kind::Subtotal);
            if (builder)
                builder->amounts(Kind::Subtotal, accountText(m_layout.subtotal, section),
                                 section.income, section.expense, section.income - section.expense);
            ++c.section;
            const bool more = c.section < int(m_sections.size());
            if (more && fits(geometry::lineHeight(Kind::SectionGap)))
                placeText(Kind::SectionGap, QString());
            c.phase = more ? Phase::SectionStart : Phase::GrandTotal;
            break;
        }
        case Phase::GrandTotal:
            if (placedAny && !fits(geometry::lineHeight(Kind::GrandTotal)))
                return c;
            place(Kind::GrandTotal);
            if (builder)
                builder->amounts(Kind::GrandTotal, fillMarkers(m_layout.total, m_markers),
                                 m_totalIncome, m_totalExpense, m_totalIncome - m_totalExpense);
            c.phase = Phase::Done;
            break;
        case Phase::Done:
            return c;
        }
    }
}

StatementPage StatementReport::page(int index) const {
    StatementPage page;
    page.number = index + 1;
    page.count = pageCount();
    QHash<QString, QString> markers = m_markers;
    markers.insert(QStringLiteral("pagina"), QString::number(page.number));
    markers.insert(QStringLiteral("paginas"), QString::number(page.count));
    page.printed = fillMarkers(m_layout.printed, markers);
    page.pageText = fillMarkers(m_layout.page, markers);
    if (index > 0)
        page.runningHeader = {fillMarkers(m_layout.title, m_markers),
                              fillMarkers(m_layout.workArea, m_markers), m_periodText};
    try {
        std::vector<qint64> ids;
        layPage(m_pageStarts[size_t(index)], index == 0, nullptr, &ids);
        PageBuilder builder(*this, page, ids);
        layPage(m_pageStarts[size_t(index)], index == 0, &builder);
    } catch (const MoneyOutOfRange&) {
        throw ReportError(QStringLiteral("Los importes del informe suman más de lo que un total "
                                         "puede guardar (900.000.000.000)."));
    }
    return page;
}

} // namespace tesorin::reports
