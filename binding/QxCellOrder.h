#pragma once

#include <QString>

// The order of a list's cells when a click on a header sorts it, as an engineer
// reads them: numbers as numbers ("10" after "9", "-1" before "0.5"), IPv4
// addresses by their octets, MAC addresses and other hex octets by their bytes,
// port lists ("1-7,25") by their first port, other texts with their digit runs
// as numbers ("Port 10" after "Port 9") and without regard to case. An empty
// cell comes first.
class QxCellOrder final
{
public:
    static bool less(const QString &a, const QString &b);
    // Negative, zero or positive as a comes before, with or after b.
    static int compare(const QString &a, const QString &b);
};
