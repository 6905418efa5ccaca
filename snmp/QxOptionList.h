#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// Static source pairs of option lists; an array ends at the first pair whose
// text is null.
struct QxOptionPair
{
    int value;
    const char *text;
};

struct QxOptionStringPair
{
    const char *value;
    const char *text;
};

// A value/text enumeration: turns the values an agent sends into the words the
// user sees, and back.
class QxOptionList
{
public:
    enum ValueType { IntegerValues = 1, StringValues = 2, StringPrefixes = 3 };

    struct Item
    {
        int number = 0;   // the value of an integer list
        QString value;    // the value of a string or prefix list
        QString text;
        QString valueText() const;
    };

    explicit QxOptionList(const QxOptionPair *pairs, bool caseSensitive = false);
    QxOptionList(const QxOptionStringPair *pairs, int valueType, bool caseSensitive = false);

    void append(const QxOptionPair *pairs);
    void append(const QxOptionStringPair *pairs);

    int valueType() const { return m_valueType; }
    bool caseSensitivity() const { return m_caseSensitive; }
    int count() const { return int(m_items.size()); }
    const Item &item(int i) const { return m_items[size_t(i)]; }

    // Position of the first item whose text matches (a prefix list: whose text
    // starts the given text), or -1.
    int findByText(const QString &text) const;
    // Position of the first item whose value matches, or -1.
    int findByValue(const QString &value) const;
    // The word for a value; a value without a word comes back unchanged.
    QString valueToText(const QString &value) const;
    // The value for a word; a text that is not a word comes back unchanged.
    QString textToValue(const QString &text) const;

    // Item texts in order, for filling a drop-down list or a radio group.
    QStringList texts() const;
    // The item a drop-down list or radio group selects for a text: found by text,
    // else by value (so either form is accepted); -1 when neither matches.
    int selectionIndex(const QString &text) const;

private:
    Qt::CaseSensitivity cs() const { return m_caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive; }

    int m_valueType;
    bool m_caseSensitive;
    std::vector<Item> m_items;
};
