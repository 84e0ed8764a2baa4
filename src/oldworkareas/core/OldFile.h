#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

// Reading a Jet file through libmdb. The only place that sees the library.
namespace tesorin::oldworkareas {

// How a column of the old file keeps its values.
enum class OldType { Text, Date, Money, Number, YesNo, Other };

class OldTable {
public:
    ~OldTable();
    OldTable(const OldTable&) = delete;
    OldTable& operator=(const OldTable&) = delete;

    const QString& name() const { return m_name; }
    const QStringList& columns() const { return m_columns; }
    OldType type(int column) const { return m_types[std::size_t(column)]; }
    // The row count the file's table header gives.
    qint64 rowCount() const;

    // Moves to the next row; false after the last one.
    bool next();
    // Whether the current row holds a value in column (an empty text reads
    // as no value: the library does not tell them apart).
    bool hasValue(int column) const;
    // The value as the library writes it: texts in UTF-8, dates as
    // "yyyy-MM-dd HH:mm:ss", yes/no as 1 or 0; money as moneyText().
    // Throws StoreError when a text is longer than the reader takes whole.
    // The bytes are read in place and stay valid until next().
    QByteArray value(int column) const;
    // A money column's value: Jet keeps currency as a count of
    // ten-thousandths in eight bytes, which the library locates in the row.
    // Read as the number it is, since the library's decimal text of it costs
    // more than the rest of the row.
    qint64 moneyUnits(int column) const;
    // Its plain decimal text with four places ("-12.3400").
    QByteArray moneyText(int column) const;

private:
    friend class OldFile;
    OldTable(void* handle, void* table, QString name);

    void* m_handle = nullptr;
    void* m_table = nullptr;
    QString m_name;
    QStringList m_columns;
    std::vector<OldType> m_types;
    std::vector<std::vector<char>> m_buffers;
    std::vector<int> m_lengths;
    std::vector<void*> m_columnHandles;
};

class OldFile {
public:
    // Opens the file read-only. Throws StoreError when libmdb cannot read it.
    OldFile(const QString& path, const QString& displayName);
    ~OldFile();
    OldFile(const OldFile&) = delete;
    OldFile& operator=(const OldFile&) = delete;

    // The user tables, in the file's catalogue order (system tables left out).
    QStringList tableNames() const;
    // table must be one of tableNames(). Throws StoreError.
    std::unique_ptr<OldTable> openTable(const QString& table);

private:
    void* m_handle = nullptr;
    QString m_displayName;
};

} // namespace tesorin::oldworkareas
