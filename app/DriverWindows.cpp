#include "app/DriverWindows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

DriverWindows::DriverWindows(QDialog *main, std::FILE *out) : m_main(main), m_out(out)
{
    qApp->installEventFilter(this);
}

DriverWindows::~DriverWindows()
{
    qApp->removeEventFilter(this);
}

QDialog *DriverWindows::topmostSubDialog() const
{
    for (auto it = m_subDialogs.crbegin(); it != m_subDialogs.crend(); ++it)
        if (*it && (*it)->isVisible())
            return *it;
    return nullptr;
}

bool DriverWindows::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        if (auto *box = qobject_cast<QMessageBox *>(watched)) {
            std::fprintf(m_out, "box: %s: %s\n", qPrintable(box->windowTitle()),
                         qPrintable(box->text().replace(QLatin1Char('\n'), QLatin1Char(' '))));
            std::fflush(m_out);
            // Answered once its own event loop runs.
            QPointer<QMessageBox> shown(box);
            QTimer::singleShot(0, this, [this, shown] {
                if (shown)
                    answer(shown);
            });
        } else if (auto *dialog = qobject_cast<QDialog *>(watched);
                   dialog && dialog != m_main && dialog->isWindow() && dialog->isModal()
                   && !m_subDialogs.contains(dialog)) {
            m_subDialogs << dialog;
            ++m_opened;
        }
    } else if (event->type() == QEvent::Hide) {
        m_subDialogs.removeAll(qobject_cast<QDialog *>(watched));
        m_subDialogs.removeAll(nullptr);
    }
    return QObject::eventFilter(watched, event);
}

void DriverWindows::answer(QMessageBox *box)
{
    const QList<QMessageBox::StandardButton> order =
        m_yes ? QList<QMessageBox::StandardButton>{QMessageBox::Yes, QMessageBox::Ok}
              : QList<QMessageBox::StandardButton>{QMessageBox::No, QMessageBox::Cancel, QMessageBox::Ok};
    for (QMessageBox::StandardButton which : order) {
        if (QAbstractButton *button = box->button(which)) {
            button->click();
            return;
        }
    }
    if (QAbstractButton *fallback = box->defaultButton())
        fallback->click();
    else
        box->done(m_yes ? QMessageBox::Yes : QMessageBox::No);
}
