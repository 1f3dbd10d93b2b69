#pragma once

#include <QString>

#include <exception>

// The failures the game's handlers can raise. Handlers check nothing and throw; the
// application object catches whatever reaches the event loop and reports it.
class Exception : public std::exception {
public:
    explicit Exception(QString message);

    const QString &message() const { return m_message; }
    // The class name shown by the last-resort report ("EConvertError", ...).
    virtual const char *className() const { return "Exception"; }
    const char *what() const noexcept override { return m_utf8.constData(); }
    // Where the failure was raised, as an offset into the module that holds that code.
    quintptr address() const { return m_address; }

private:
    QString m_message;
    QByteArray m_utf8;
    quintptr m_address = 0;
};

// A text that is not an integer where an integer was read.
class EConvertError : public Exception {
public:
    using Exception::Exception;
    const char *className() const override { return "EConvertError"; }
};

// A sound file that could not be opened, or play without an open device.
class EMCIDeviceError : public Exception {
public:
    using Exception::Exception;
    const char *className() const override { return "EMCIDeviceError"; }
};

// The platform refused a resource, such as a timer.
class EOutOfResources : public Exception {
public:
    using Exception::Exception;
    const char *className() const override { return "EOutOfResources"; }
};

// A silent abort: ends the handler like any failure, but is never reported.
class EAbort : public Exception {
public:
    using Exception::Exception;
    const char *className() const override { return "EAbort"; }
};
