#pragma once

#include <QString>
#include <exception>

// An operation that cannot go on throws a Failure carrying the message the user
// is shown. Steps done before the throw stay done, as the callers expect.
class Failure : public std::exception {
public:
    explicit Failure(QString message) : message_(std::move(message)), utf8_(message_.toUtf8()) {}
    const QString& message() const noexcept { return message_; }
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    QString message_;
    QByteArray utf8_;
};
