#pragma once

#include <QString>

// The SNMP engine-boots counter file: one line per engine ID, the engine ID in
// hexadecimal, a blank and the decimal boots value.
class QxBootCounter
{
public:
    static constexpr int Found = 0;
    static constexpr int NoEntry = -1;
    static constexpr int CannotOpen = -2;
    static constexpr int BadEntry = -3;

    // Reads the counter stored for the engine ID into boots (0 when there is none).
    static int load(const QString &fileName, const QByteArray &engineId, quint32 &boots);
    // Stores the counter for the engine ID, keeping the other engines' entries.
    // Returns 0, or -1 when the file cannot be written.
    static int save(const QString &fileName, const QByteArray &engineId, quint32 boots);
};
