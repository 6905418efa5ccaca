#include "MessageRecorder.h"

namespace {

// Between a warn or confirm box's caption and its text in `shown`. Captions are
// short titles without one, so a box's text starts after the first; an inform
// text holding one would lose what stands before it (the dialogs' have none).
constexpr QChar separator = QLatin1Char('|');

} // namespace

TDialogMessages MessageRecorder::messages()
{
    TDialogMessages m;
    m.inform = [this](QWidget *, const QString &text) { shown << text; };
    m.warn = [this](QWidget *, const QString &caption, const QString &text) { shown << caption + separator + text; };
    m.confirm = [this](QWidget *, const QString &caption, const QString &text) {
        shown << caption + separator + text;
        return answer;
    };
    m.ask = m.confirm;
    return m;
}

QStringList MessageRecorder::texts() const
{
    QStringList texts;
    for (const QString &box : shown)
        texts << (box.contains(separator) ? box.section(separator, 1) : box);
    return texts;
}
