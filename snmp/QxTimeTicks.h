#pragma once

#include <QString>

// Time ticks (hundredths of a second) as text: "h:mm:ss.cc", "1 day h:mm:ss.cc"
// or "d days, h:mm:ss.cc".
class QxTimeTicks
{
public:
    static QString toText(quint64 ticks);
    // An optional "N day(s)" count, then hours ending at ":", minutes ending at
    // ":" and seconds ending at "." followed by hundredths; each part counts only
    // when its terminator is present, so a bare number gives 0.
    static quint64 fromText(const QString &text);
};
