#pragma once

#include <QByteArray>

// A plain holder of raw bytes used by dialogs; no conversions.
class QxBinaryString
{
public:
    QxBinaryString() = default;
    explicit QxBinaryString(QByteArray bytes) : m_bytes(std::move(bytes)) {}

    int length() const { return int(m_bytes.size()); }
    const QByteArray &bytes() const { return m_bytes; }
    void setBytes(QByteArray bytes) { m_bytes = std::move(bytes); }

private:
    QByteArray m_bytes;
};
