#pragma once

#include <QString>

#include <stdexcept>

// The one error type of the report engine. Its message is a complete sentence for the user,
// in Portuguese; callers show it as given.
class ReportError : public std::runtime_error {
  public:
    explicit ReportError(const QString& message) : std::runtime_error(message.toStdString()) {}

    QString message() const { return QString::fromStdString(what()); }
};
