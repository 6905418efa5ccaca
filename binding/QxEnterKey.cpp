#include "binding/QxEnterKey.h"

#include <QAbstractItemView>
#include <QDialog>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>

namespace {

// A button's caption, also when a picture stands in for it (then its tooltip
// carries the caption); mnemonics and padding aside.
QString captionOf(const QPushButton &button)
{
    QString text = button.text().isEmpty() ? button.toolTip() : button.text();
    text.remove(QLatin1Char('&'));
    return text.trimmed().toLower();
}

int rankOf(const QString &caption)
{
    // "Set Chekced" is how one dialog spells it.
    if (caption.startsWith(QLatin1String("set ch")))
        return 0;
    if (caption == QLatin1String("set"))
        return 1;
    if (caption == QLatin1String("add"))
        return 2;
    return -1;
}

constexpr const char *KeepsEnterProperty = "nxKeepsEnter";

bool keepsEnter(const QWidget *focus)
{
    return qobject_cast<const QPlainTextEdit *>(focus) || qobject_cast<const QTextEdit *>(focus)
           || qobject_cast<const QAbstractItemView *>(focus) || focus->property(KeepsEnterProperty).toBool();
}

} // namespace

void QxEnterKey::keepEnter(QWidget *control)
{
    control->setProperty(KeepsEnterProperty, true);
}

void QxEnterKey::install(QDialog *dialog)
{
    new QxEnterKey(dialog);
}

QxEnterKey::QxEnterKey(QDialog *dialog) : QObject(dialog)
{
    dialog->installEventFilter(this);
}

QPushButton *QxEnterKey::defaultButton(const QDialog &dialog)
{
    QPushButton *best = nullptr;
    int bestRank = 0;
    for (QPushButton *button : dialog.findChildren<QPushButton *>()) {
        // Buttons of an add or edit window open over this dialog are theirs.
        if (button->window() != &dialog || !button->isVisibleTo(&dialog) || !button->isEnabled())
            continue;
        const int rank = rankOf(captionOf(*button));
        if (rank >= 0 && (!best || rank < bestRank)) {
            best = button;
            bestRank = rank;
        }
    }
    return best;
}

bool QxEnterKey::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (!enter || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return QObject::eventFilter(watched, event);
    auto *dialog = static_cast<QDialog *>(parent());
    // The dialog's own focus child: the control the key came from.
    QWidget *focus = dialog->focusWidget();
    if (focus && focus->window() == dialog && keepsEnter(focus))
        return QObject::eventFilter(watched, event);
    auto *pressed = qobject_cast<QPushButton *>(focus);
    if (!pressed || pressed->window() != dialog || !pressed->isEnabled())
        pressed = defaultButton(*dialog);
    if (!pressed)
        return QObject::eventFilter(watched, event);
    pressed->click();
    return true;
}
