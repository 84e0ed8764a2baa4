#pragma once

#include <QString>

#include <exception>
#include <string>

namespace tesorin::exchange {

// A file that cannot be imported or written, with a Spanish message ready to
// show the user (naming the line where one applies).
class ExchangeError : public std::exception {
public:
    explicit ExchangeError(QString message)
        : m_message(std::move(message)), m_utf8(m_message.toStdString()) {}
    const QString& message() const { return m_message; }
    const char* what() const noexcept override { return m_utf8.c_str(); }

private:
    QString m_message;
    std::string m_utf8;
};

} // namespace tesorin::exchange
