#include "dialogs/dedicated/DigitsOnlyFilter.h"

#include <QApplication>
#include <QKeyEvent>

bool DigitsOnlyFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<const QKeyEvent *>(event);
        const QString text = key->text();
        const bool types = !text.isEmpty() && text.at(0).isPrint();
        if (types && !(text.size() == 1 && text.at(0) >= QLatin1Char('0') && text.at(0) <= QLatin1Char('9'))) {
            QApplication::beep();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
