#pragma once

#include <QString>
#include <exception>
#include <string>

// The numbered run-time errors that the display controls raise to their host.
// The host catches them: none may end the program.
class NumberedError : public std::exception
{
public:
    enum Number {
        InvalidArgument = 5,
        Overflow = 6,
        SubscriptOutOfRange = 9,
        TypeMismatch = 13,
        PropertyNotAtRuntime = 31013,
    };

    explicit NumberedError(int number);
    NumberedError(int number, QString description);

    int number() const { return m_number; }
    const QString &description() const { return m_description; }
    const char *what() const noexcept override { return m_what.c_str(); }

    // The French text the user would read for a given error number.
    static QString standardDescription(int number);

private:
    int m_number;
    QString m_description;
    std::string m_what;
};
