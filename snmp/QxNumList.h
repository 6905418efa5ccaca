#pragma once

#include <QString>
#include <QtGlobal>
#include <type_traits>
#include <vector>

// A list of numbers parsed from delimited text ("1,2,10"). Each element starts at
// 0; a digit makes it element * 10 + digit; "." (when it is not the delimiter)
// starts a fraction whose digits never change an integer element; other
// characters are ignored. An empty text has no elements.
template <typename T>
class QxNumList
{
public:
    explicit QxNumList(QChar delimiter = QLatin1Char('.')) : m_delimiter(delimiter) {}
    QxNumList(const QString &text, QChar delimiter) : m_delimiter(delimiter) { parse(text); }

    void parse(const QString &text)
    {
        m_items.clear();
        if (text.isEmpty())
            return;
        m_items.assign(size_t(text.count(m_delimiter) + 1), T(0));
        size_t element = 0;
        bool fraction = false;
        for (QChar c : text) {
            if (c == m_delimiter) {
                ++element;
                fraction = false;
            } else if (c == QLatin1Char('.')) {
                fraction = true;
            } else if (c.unicode() >= '0' && c.unicode() <= '9' && !fraction) {
                m_items[element] = appendDigit(m_items[element], c.unicode() - '0');
            }
        }
    }

    int count() const { return int(m_items.size()); }
    T at(int i) const { return m_items[size_t(i)]; }
    T operator[](int i) const { return at(i); }
    int indexOf(T value) const
    {
        for (size_t i = 0; i < m_items.size(); ++i)
            if (m_items[i] == value)
                return int(i);
        return -1;
    }
    QChar delimiter() const { return m_delimiter; }

private:
    // An overlong number wraps like its unsigned counterpart instead of overflowing
    // a signed type (undefined behaviour).
    static T appendDigit(T value, int digit)
    {
        if constexpr (std::is_integral_v<T>) {
            using U = std::make_unsigned_t<T>;
            return T(U(U(value) * U(10) + U(digit)));
        } else {
            return T(value * T(10) + T(digit));
        }
    }

    QChar m_delimiter;
    std::vector<T> m_items;
};
