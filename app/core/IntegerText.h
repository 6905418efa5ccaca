#pragma once

#include <QString>
#include <stdexcept>

// Integer conversion of launch values: decimal, or hexadecimal after "$" or "0x",
// with an optional sign and leading blanks. Anything else is a conversion error
// whose text names the value.
class IntegerText
{
public:
    class Error : public std::runtime_error
    {
    public:
        using std::runtime_error::runtime_error;
    };

    static int toInt(const QString &text);
};
