#include "reports/StatementReport.h"

#include "app/Regional.h"
#include "reports/ReportError.h"
#include "reports/SelectionFormula.h"
#include "reports/StatementGeometry.h"
#include "store/Database.h"

#include <QCollator>

#include <algorithm>

namespace tesorin::reports {

namespace {

using Kind = StatementLine::Kind;

// Account names compare as the Cuenta column does (SQLite's NOCASE: letters
// A to Z without regard to case, everything else exactly), so a section
// holds exactly the rows the query ordered together.
bool sameAccount(const QString& a, const QString& b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        const char16_t x = a[i].unicode();
        const char16_t y = b[i].unicode();
        if (x != y && !(x < 128 && y < 128 && QChar::toLower(x) == QChar::toLower(y)))
            return false;
    }
    return true;
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

// Builds the lines of one page, reading its movements from the work area.
class StatementReport::PageBuilder {
public:
    PageBuilder(const StatementReport& report, StatementPage& page)
        : m_report(report), m_page(page),
          m_row(report.m_db->prepare(
              QStringLiteral("SELECT Fecha, Detalle, Tipo, Ingreso, Egreso FROM Movimientos "
                             "WHERE idMovimiento = ?1"))) {}

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

    // Appends the movement and returns its income less its expense.
    Money movement(qint64 id, Money balanceBefore, bool shaded) {
        m_row.reset();
        m_row.bindInt64(1, id);
        if (!m_row.step())
            throw ReportError(QStringLiteral("El movimiento número %1 ya no está en la caja; "
                                             "vuelva a pedir el informe.")
                                  .arg(id));
        const Money income = storedAmount(m_row, 3, id);
        const Money expense = storedAmount(m_row, 4, id);
        const Money balance = balanceBefore + income - expense;
        const QString storedDate = m_row.text(0);
        const QDate date = QDate::fromString(storedDate, Qt::ISODate);
        QStringList cells;
        for (const StatementColumn& column : m_report.m_layout.columns) {
            switch (column.field) {
            case StatementField::Fecha:
                cells << (date.isValid() ? regional::shortDate(date) : storedDate);
                break;
            case StatementField::Detalle:
                cells << m_row.text(1);
                break;
            case StatementField::Tipo:
                cells << m_row.text(2);
                break;
            case StatementField::Ingreso:
                cells << nonZeroCurrency(income);
                break;
            case StatementField::Egreso:
                cells << nonZeroCurrency(expense);
                break;
            case StatementField::Saldo:
                cells << regional::currency(balance);
                break;
            }
        }
        m_page.lines.append({Kind::Movement, QString(), cells, shaded});
        return income - expense;
    }

private:
    const StatementReport& m_report;
    StatementPage& m_page;
    store::Statement m_row;
};

StatementReport::StatementReport(const QString& workAreaName, const QString& formula,
                                 const QDate& printDate, const QString& layoutFileName)
    : m_workAreaName(workAreaName), m_formula(formula), m_printDate(printDate) {
    const SelectionCondition condition = parseSelectionFormula(formula);
    m_layout = readStatementLayout(layoutFileName);
    m_db = store::Database::OpenDatabase(workAreaName);

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

    std::vector<Money> nets;
    try {
        const QString sql = QStringLiteral("SELECT idMovimiento, Cuenta, Ingreso, Egreso "
                                           "FROM Movimientos WHERE ") +
                            condition.sql + QStringLiteral(" ORDER BY Cuenta, Fecha, idMovimiento");
        store::Statement rows = m_db->prepare(sql);
        for (int i = 0; i < condition.values.size(); ++i)
            rows.bind(i + 1, condition.values[i]);
        QString previous;
        while (rows.step()) {
            const qint64 id = rows.int64(0);
            const QString account = rows.text(1);
            const Money income = storedAmount(rows, 2, id);
            const Money expense = storedAmount(rows, 3, id);
            if (m_sections.empty() || !sameAccount(account, previous)) {
                m_sections.push_back({account, qsizetype(m_ids.size()), 0, {}, {}});
                previous = account;
            }
            Section& section = m_sections.back();
            ++section.count;
            section.income += income;
            section.expense += expense;
            m_ids.push_back(id);
            nets.push_back(income - expense);
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

    QCollator collator(regional::locale());
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(m_sections.begin(), m_sections.end(),
                     [&collator](const Section& a, const Section& b) {
                         return collator.compare(a.name, b.name) < 0;
                     });
    paginate(nets);
}

StatementReport::~StatementReport() = default;

void StatementReport::readOwnerProfile() {
    store::Statement profile =
        m_db->prepare(QStringLiteral("SELECT * FROM \"Registro Usuario\" LIMIT 1"));
    if (!profile.step())
        return;
    for (int column = 0; column < profile.columnCount(); ++column)
        m_markers.insert(markerKey(profile.columnName(column)), profile.text(column).trimmed());
}

void StatementReport::paginate(const std::vector<Money>& nets) {
    Cursor cursor;
    cursor.phase = m_sections.empty() ? Phase::Empty : Phase::SectionStart;
    while (cursor.phase != Phase::Done) {
        m_pageStarts.push_back(cursor);
        cursor = layPage(cursor, m_pageStarts.size() == 1, &nets, nullptr);
    }
}

StatementReport::Cursor StatementReport::layPage(Cursor c, bool firstPage,
                                                 const std::vector<Money>* nets,
                                                 PageBuilder* builder) const {
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
                const bool shaded = c.row % 2 == 1;
                c.balance += builder ? builder->movement(m_ids[size_t(index)], c.balance, shaded)
                                     : (*nets)[size_t(index)];
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
    PageBuilder builder(*this, page);
    try {
        layPage(m_pageStarts[size_t(index)], index == 0, nullptr, &builder);
    } catch (const MoneyOutOfRange&) {
        throw ReportError(QStringLiteral("Los importes del informe suman más de lo que un total "
                                         "puede guardar (900.000.000.000)."));
    }
    return page;
}

} // namespace tesorin::reports
