#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QtGlobal>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <unistd.h>

// Takes a fuzzer's bytes apart: leading control bytes and numbers first, the
// remainder as text (UTF-8, so every byte sequence yields some text).
class FuzzInput
{
public:
    FuzzInput(const uint8_t *data, size_t size) : m_data(data), m_size(size) {}

    quint8 byte()
    {
        if (m_pos >= m_size)
            return 0;
        return m_data[m_pos++];
    }
    template <typename T>
    T number()
    {
        T v{};
        const size_t n = qMin(sizeof v, m_size - m_pos);
        std::memcpy(&v, m_data + m_pos, n);
        m_pos += n;
        return v;
    }
    QByteArray restBytes()
    {
        const QByteArray out(reinterpret_cast<const char *>(m_data + m_pos), qsizetype(m_size - m_pos));
        m_pos = m_size;
        return out;
    }
    QString restText() { return QString::fromUtf8(restBytes()); }

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_pos = 0;
};

// A file of this process for targets whose parser reads a file.
inline QString fuzzFile(const char *name)
{
    return QDir::tempPath() + QStringLiteral("/nx-fuzz-%1-%2").arg(getpid()).arg(QLatin1String(name));
}

inline void writeFuzzFile(const QString &fileName, const QByteArray &contents)
{
    QFile file(fileName);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(contents);
}

// A check that stops the fuzzer with a crash the way a sanitizer finding does.
#define FUZZ_CHECK(cond)                                                                                           \
    do {                                                                                                           \
        if (!(cond))                                                                                               \
            __builtin_trap();                                                                                      \
    } while (0)
