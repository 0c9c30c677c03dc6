#pragma once
// The one base of every error this program raises. The application object
// catches it where the event loop delivers an event and shows Message() in a
// message box; workers hand it to the user-interface thread instead of letting
// it escape.
#include <QString>
#include <QByteArray>
#include <exception>

class Exception : public std::exception {
public:
    explicit Exception(const QString &message) : FMessage(message), FUtf8(message.toUtf8()) {}
    const QString &Message() const noexcept { return FMessage; }
    const char *what() const noexcept override { return FUtf8.constData(); }

private:
    QString FMessage;
    QByteArray FUtf8;
};

// Files that cannot be opened, created or written ("Cannot open file %s").
class EInOutError : public Exception {
public:
    using Exception::Exception;
};

// The system ran out of something it hands out in limited numbers (timers,
// handles): "Not enough timers available".
class EOutOfResources : public Exception {
public:
    using Exception::Exception;
};
