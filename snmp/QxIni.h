#pragma once

#include <QString>

// Reads single values from an INI file the way the platform's profile-string
// reader does: sections and keys are matched without regard to case, the value
// is the text after the first "=", at most 4095 characters are read, and
// surrounding blanks are removed.
class QxIni
{
public:
    static constexpr int MaxValueLength = 4095;

    explicit QxIni(QString fileName);

    const QString &fileName() const { return m_fileName; }

    // The value, trimmed, or the default when the file, section or key is missing
    // or the value is empty.
    QString read(const QString &section, const QString &key, const QString &defaultValue = QString()) const;
    // Whether the file holds the section (the registry stand-in asks this).
    bool hasSection(const QString &section) const;
    // Whether the section holds the key, whatever its value.
    bool hasKey(const QString &section, const QString &key) const;

private:
    struct Lookup
    {
        bool sectionFound = false;
        bool keyFound = false;
        QString value;
    };
    Lookup find(const QString &section, const QString *key) const;

    QString m_fileName;
};
