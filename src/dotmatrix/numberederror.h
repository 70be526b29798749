#pragma once

#include <QString>
#include <exception>
#include <string>

// The numbered run-time errors that the dot-matrix controls raise to their host.
// The host catches them: none may end the program.
class NumberedError : public std::exception
{
public:
    enum Number {
        InvalidArgument = 5,
        Overflow = 6,
        SubscriptOutOfRange = 9,
    };

    explicit NumberedError(Number number);

    Number number() const { return m_number; }
    // The French text the user would read.
    const QString &description() const { return m_description; }
    const char *what() const noexcept override { return m_what.c_str(); }

private:
    Number m_number;
    QString m_description;
    std::string m_what;
};
