#pragma once

#include <QString>

#include <exception>
#include <string>

namespace tesorin::store {

// A failure of the store, carrying a Spanish message ready to show the user.
class StoreError : public std::exception {
public:
    // code: the store's primary result code when it reported the failure.
    explicit StoreError(QString message, int code = 0)
        : m_message(std::move(message)), m_utf8(m_message.toStdString()), m_code(code) {}
    const QString& message() const { return m_message; }
    int code() const { return m_code; }
    const char* what() const noexcept override { return m_utf8.c_str(); }

private:
    QString m_message;
    std::string m_utf8;
    int m_code;
};

} // namespace tesorin::store
