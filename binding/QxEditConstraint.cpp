#include "binding/QxEditConstraint.h"

#include "binding/QxEditValidator.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QWidget>

#include <algorithm>

namespace {

// Set on a window while a failed exit check gives the focus back to its edit.
// Every constraint object of that window (a dialog often has several bindings)
// then ignores the focus loss this causes in another edit; without it two edits
// with failing texts would hand the focus and a message box back and forth.
const char *const kRestoringFocus = "_qx_editConstraintRestoringFocus";

void showMessage(QWidget *owner, const QString &text)
{
    const QString caption = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    QMessageBox::information(owner, caption, text, QMessageBox::Ok);
}

// Focus moves that do not mean "the user left this edit for another control":
// the window was deactivated (a message box, another program) or a popup or the
// menu bar took the keyboard for a moment.
bool leavesEdit(Qt::FocusReason reason)
{
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason
           && reason != Qt::MenuBarFocusReason;
}

} // namespace

struct QxEditConstraint::Record
{
    QxEditFormat format;
    QPointer<QLineEdit> edit;
    std::unique_ptr<QxEditValidator> validator;
    QString lastAccepted;
    Handler changeHandler;
    Handler exitHandler;
    QMetaObject::Connection editedConnection;
    QMetaObject::Connection changedConnection;
    // Set while the edit reports a change the user made (textEdited comes
    // before textChanged); every other change of the text is the program's.
    bool userChange = false;
    QMetaObject::Connection destroyedConnection;
    // What registration changed on the edit, to be put back on removal.
    QPointer<const QValidator> previousValidator;
    bool widthSet = false;
    int previousMinimumWidth = 0;
    int previousMaximumWidth = QWIDGETSIZE_MAX;
};

QxEditConstraint::QxEditConstraint(QWidget *ownerWindow, bool rememberAccepted, QObject *parent)
    : QObject(parent), m_owner(ownerWindow), m_remember(rememberAccepted), m_presenter(showMessage),
      m_beeper([] { QApplication::beep(); })
{
}

QxEditConstraint::~QxEditConstraint()
{
    removeAll();
}

void QxEditConstraint::registerEdit(const QString &formatText, QLineEdit *edit)
{
    if (!edit)
        return;
    auto record = std::make_unique<Record>(Record{QxEditFormat::parse(formatText)});
    remove(edit);

    record->edit = edit;
    const QxEditFormat &format = record->format;
    if (format.width() > 0) {
        record->widthSet = true;
        record->previousMinimumWidth = edit->minimumWidth();
        record->previousMaximumWidth = edit->maximumWidth();
        edit->setFixedWidth(format.width());
    }

    // The length is kept by the validator rather than the edit's own maximum
    // length, which would also cut texts the program sets, such as "(NULL)".
    record->previousValidator = edit->validator();
    record->validator = std::make_unique<QxEditValidator>(format, edit, [this] { m_beeper(); });
    record->validator->setChained(edit->validator());
    edit->setValidator(record->validator.get());

    record->editedConnection = connect(edit, &QLineEdit::textEdited, this, [this, edit] {
        if (Record *r = find(edit))
            r->userChange = true;
        textEdited(edit);
    });
    // A text the program sets or clears is the one a failed check comes back
    // to, not whatever the user had typed before it.
    record->changedConnection = connect(edit, &QLineEdit::textChanged, this, [this, edit](const QString &text) {
        Record *r = find(edit);
        if (!r)
            return;
        if (r->userChange)
            r->userChange = false;
        else
            r->lastAccepted = text;
    });
    const QObject *key = edit;
    record->destroyedConnection =
        connect(edit, &QObject::destroyed, this, [this, key] { m_records.erase(key); });
    edit->installEventFilter(this);
    m_records[key] = std::move(record);
}

void QxEditConstraint::registerFormat(const QString &format, const QList<QLineEdit *> &edits)
{
    const QStringList segments = QxEditFormat::segments(format);
    const qsizetype count = std::min(segments.size(), edits.size());
    for (qsizetype k = 0; k < count; ++k)
        QxEditFormat::parse(segments.at(k));
    for (qsizetype k = 0; k < count; ++k)
        registerEdit(segments.at(k), edits.at(k));
}

void QxEditConstraint::remove(QLineEdit *edit)
{
    const auto it = m_records.find(edit);
    if (it == m_records.end())
        return;
    const std::unique_ptr<Record> record = std::move(it->second);
    m_records.erase(it);
    detach(*record);
}

void QxEditConstraint::removeAll()
{
    auto records = std::move(m_records);
    m_records.clear();
    for (auto &entry : records)
        detach(*entry.second);
}

void QxEditConstraint::detach(Record &record)
{
    disconnect(record.editedConnection);
    disconnect(record.changedConnection);
    disconnect(record.destroyedConnection);
    QLineEdit *edit = record.edit;
    if (!edit)
        return;
    edit->removeEventFilter(this);
    // Someone may have put a validator of their own on the edit meanwhile.
    if (edit->validator() == record.validator.get())
        edit->setValidator(record.previousValidator);
    if (record.widthSet) {
        edit->setMinimumWidth(record.previousMinimumWidth);
        edit->setMaximumWidth(record.previousMaximumWidth);
    }
}

void QxEditConstraint::setOwnerWindow(QWidget *owner)
{
    m_owner = owner;
}

void QxEditConstraint::remember(QLineEdit *edit)
{
    if (Record *record = find(edit))
        record->lastAccepted = edit->text();
}

QString QxEditConstraint::lastAccepted(QLineEdit *edit) const
{
    const Record *record = find(edit);
    return record ? record->lastAccepted : QString();
}

bool QxEditConstraint::isRegistered(QLineEdit *edit) const
{
    return find(edit) != nullptr;
}

const QxEditFormat *QxEditConstraint::format(QLineEdit *edit) const
{
    const Record *record = find(edit);
    return record ? &record->format : nullptr;
}

void QxEditConstraint::setChangeHandler(QLineEdit *edit, Handler handler)
{
    if (Record *record = find(edit))
        record->changeHandler = std::move(handler);
}

void QxEditConstraint::setExitHandler(QLineEdit *edit, Handler handler)
{
    if (Record *record = find(edit))
        record->exitHandler = std::move(handler);
}

void QxEditConstraint::setMessagePresenter(MessagePresenter presenter)
{
    m_presenter = presenter ? std::move(presenter) : MessagePresenter(showMessage);
}

void QxEditConstraint::setBeeper(Beeper beeper)
{
    m_beeper = beeper ? std::move(beeper) : Beeper([] { QApplication::beep(); });
}

QxEditConstraint::Record *QxEditConstraint::find(const QObject *edit) const
{
    const auto it = m_records.find(edit);
    return it == m_records.end() ? nullptr : it->second.get();
}

void QxEditConstraint::focusNext(QWidget *from)
{
    if (!from)
        return;
    QWidget *window = from->window();
    for (QWidget *w = from->nextInFocusChain(); w && w != from; w = w->nextInFocusChain()) {
        if (w->window() != window || w->focusProxy())
            continue;
        if ((w->focusPolicy() & Qt::TabFocus) != Qt::TabFocus)
            continue;
        if (!w->isEnabled() || !w->isVisibleTo(window))
            continue;
        w->setFocus(Qt::TabFocusReason);
        return;
    }
}

void QxEditConstraint::textEdited(QLineEdit *edit)
{
    const Record *record = find(edit);
    if (!record)
        return;
    // The validator has already cut the text and taken out what does not fit.
    const bool advance = record->validator->takeAdvanceRequest();
    const QString text = edit->text();
    if (!advance && text == record->validator->previousText())
        return; // a refused keystroke: nothing changed
    QPointer<QLineEdit> alive(edit);
    const QxEditFormat::ChangeOutcome outcome = record->format.checkChange(text);
    if (outcome.action == QxEditFormat::ChangeOutcome::Accept)
        runChangeHandler(edit, !advance && outcome.advanceWhenFull);
    if (advance && alive)
        focusNext(edit);
}

void QxEditConstraint::runChangeHandler(QLineEdit *edit, bool advanceWhenFull)
{
    QPointer<QLineEdit> alive(edit);
    if (const Record *record = find(edit); record && record->changeHandler) {
        const Handler handler = record->changeHandler;
        if (!handler(edit))
            return;
    }
    if (alive && advanceWhenFull)
        focusNext(edit);
}

bool QxEditConstraint::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut && find(watched)) {
        // During destruction the watched object is no longer a line edit.
        auto *edit = qobject_cast<QLineEdit *>(watched);
        const auto *focusEvent = static_cast<QFocusEvent *>(event);
        // When the focus went back, the edit must not go on to treat the event
        // as a loss of focus (it would hide the cursor of the focused edit).
        if (edit && leavesEdit(focusEvent->reason()) && leave(edit))
            return true;
    }
    return QObject::eventFilter(watched, event);
}

bool QxEditConstraint::leave(QLineEdit *edit)
{
    QWidget *window = edit->window();
    if (window->property(kRestoringFocus).toBool())
        return false;
    const Record *record = find(edit);
    const QxEditFormat::ExitOutcome outcome = record->format.checkExit(edit->text());
    QPointer<QLineEdit> alive(edit);

    if (outcome.result == QxEditFormat::ExitOutcome::Skip)
        return false;

    if (outcome.result == QxEditFormat::ExitOutcome::Fail) {
        QPointer<QWidget> guarded(window);
        window->setProperty(kRestoringFocus, true);
        m_presenter(m_owner ? m_owner.data() : window, outcome.message);
        if (alive) {
            if (const Record *current = find(edit))
                edit->setText(current->lastAccepted);
            edit->setFocus(Qt::OtherFocusReason);
        }
        if (guarded)
            guarded->setProperty(kRestoringFocus, QVariant());
        return alive && alive->window()->focusWidget() == alive;
    }

    bool accepted = true;
    if (record->exitHandler) {
        const Handler handler = record->exitHandler;
        accepted = handler(edit);
    }
    if (!alive)
        return false;
    if (Record *current = find(edit)) {
        if (!accepted)
            edit->setText(current->lastAccepted);
        else if (m_remember)
            current->lastAccepted = edit->text();
    }
    return false;
}
