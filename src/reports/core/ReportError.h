#pragma once

#include <QString>

#include <exception>
#include <string>

namespace tesorin::reports {

// A statement that cannot be made: a selection formula that does not parse,
// a layout file with a mistake, amounts beyond what a total can hold. The
// message is Spanish and ready to show.
class ReportError : public std::exception {
public:
    explicit ReportError(QString message)
        : m_message(std::move(message)), m_utf8(m_message.toStdString()) {}
    const QString& message() const { return m_message; }
    const char* what() const noexcept override { return m_utf8.c_str(); }

private:
    QString m_message;
    std::string m_utf8;
};

} // namespace tesorin::reports
