#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The words of a tool's command line, taken one by one: options as
// "--name value" and "--name=value" alike, numbers checked against their
// range. Mistakes raise CliError (usage status) in the tools' own words.
class CliWords final
{
public:
    struct Option
    {
        QString name;
        std::optional<QString> value; // what followed "=", if anything
    };

    explicit CliWords(const QStringList &words) : m_words(words) {}

    bool atEnd() const { return m_next >= m_words.size(); }
    QString take() { return m_words.at(m_next++); }
    // The value of the option just taken: its "=value", or the next word.
    QString valueOf(const Option &option);

    // A word that starts with "--", split at its "=".
    static std::optional<Option> option(const QString &word);
    static int number(const QString &option, const QString &text, int minimum, int maximum);

private:
    QStringList m_words;
    qsizetype m_next = 0;
};
