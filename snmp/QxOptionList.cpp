#include "snmp/QxOptionList.h"

QString QxOptionList::Item::valueText() const
{
    return value.isNull() ? QString::number(number) : value;
}

QxOptionList::QxOptionList(const QxOptionPair *pairs, bool caseSensitive)
    : m_valueType(IntegerValues), m_caseSensitive(caseSensitive)
{
    append(pairs);
}

QxOptionList::QxOptionList(const QxOptionStringPair *pairs, int valueType, bool caseSensitive)
    : m_valueType(valueType), m_caseSensitive(caseSensitive)
{
    append(pairs);
}

void QxOptionList::append(const QxOptionPair *pairs)
{
    for (const QxOptionPair *p = pairs; p && p->text; ++p) {
        Item item;
        item.number = p->value;
        item.text = QString::fromUtf8(p->text);
        m_items.push_back(std::move(item));
    }
}

void QxOptionList::append(const QxOptionStringPair *pairs)
{
    for (const QxOptionStringPair *p = pairs; p && p->text; ++p) {
        Item item;
        item.value = QString::fromUtf8(p->value ? p->value : "");
        item.text = QString::fromUtf8(p->text);
        m_items.push_back(std::move(item));
    }
}

int QxOptionList::findByText(const QString &text) const
{
    for (int i = 0; i < count(); ++i) {
        const QString &itemText = m_items[size_t(i)].text;
        if (m_valueType == StringPrefixes) {
            if (text.startsWith(itemText, cs()))
                return i;
        } else if (text.compare(itemText, cs()) == 0) {
            return i;
        }
    }
    return -1;
}

int QxOptionList::findByValue(const QString &value) const
{
    if (m_valueType == IntegerValues) {
        if (value == QLatin1String("(NULL)"))
            return -1;
        bool ok = false;
        const int number = value.trimmed().toInt(&ok);
        if (!ok)
            return -1;
        for (int i = 0; i < count(); ++i)
            if (m_items[size_t(i)].number == number)
                return i;
        return -1;
    }
    for (int i = 0; i < count(); ++i) {
        const QString &itemValue = m_items[size_t(i)].value;
        if (m_valueType == StringPrefixes ? value.startsWith(itemValue, cs()) : value.compare(itemValue, cs()) == 0)
            return i;
    }
    return -1;
}

QString QxOptionList::valueToText(const QString &value) const
{
    const int i = findByValue(value);
    if (i < 0)
        return value;
    const Item &item = m_items[size_t(i)];
    if (m_valueType == StringPrefixes)
        return item.text + value.mid(item.value.size());
    return item.text;
}

QString QxOptionList::textToValue(const QString &text) const
{
    const int i = findByText(text);
    if (i < 0)
        return text;
    const Item &item = m_items[size_t(i)];
    if (m_valueType == StringPrefixes)
        return item.value + text.mid(item.text.size());
    return item.valueText();
}

QStringList QxOptionList::texts() const
{
    QStringList result;
    result.reserve(count());
    for (const auto &item : m_items)
        result.append(item.text);
    return result;
}

int QxOptionList::selectionIndex(const QString &text) const
{
    const int i = findByText(text);
    return i >= 0 ? i : findByValue(text);
}
