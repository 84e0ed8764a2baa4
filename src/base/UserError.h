#pragma once

#include <QString>

#include <exception>
#include <string>

namespace tesorin {

// A failure that carries a Spanish message ready to show the user; each part
// of the program throws its own kind, so a caller catches only what it can
// report.
class UserError : public std::exception {
public:
    explicit UserError(QString message)
        : m_message(std::move(message)), m_utf8(m_message.toStdString()) {}
    const QString& message() const { return m_message; }
    const char* what() const noexcept override { return m_utf8.c_str(); }

private:
    QString m_message;
    std::string m_utf8;
};

} // namespace tesorin
