#pragma once

#include "format/QxEditFormat.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>

class QEvent;
class QLineEdit;

// Input rules for line edits. Every registered edit gets the character filter of
// its format on each user change, its length limit, auto-advance, and the
// range, length or count check when the focus leaves it, with a message box in
// the catalogue's words and the last accepted text restored on failure.
// One object serves all edits of one binding; removing an edit (or destroying
// the object) gives the edit its previous behaviour back.
//
// Only what the user types, pastes or deletes is filtered and cut to the length
// (QxEditValidator); a value the program puts into the edit is shown as it is,
// never shortened, and never moves the focus. A text the program sets or clears
// becomes the edit's last accepted text: a failed check later brings back what
// the program showed, never a value from before it.
class QxEditConstraint : public QObject
{
    Q_OBJECT

public:
    // Runs after a check has passed (the edit's own change or exit handling that
    // the constraint chains to). Returning false vetoes: no auto-advance after a
    // change; the last accepted text comes back after an exit.
    using Handler = std::function<bool(QLineEdit *edit)>;
    // Shows a failed exit check. The default is an information box with OK,
    // parented to the owner window and captioned with the executable's file name.
    using MessagePresenter = std::function<void(QWidget *owner, const QString &text)>;
    using Beeper = std::function<void()>;

    QxEditConstraint(QWidget *ownerWindow, bool rememberAccepted, QObject *parent = nullptr);
    ~QxEditConstraint() override;

    QxEditConstraint(const QxEditConstraint &) = delete;
    QxEditConstraint &operator=(const QxEditConstraint &) = delete;

    // Parses the format (raising -2 when it is bad; nothing changes then)
    // and hooks the edit. An edit registered before gets the new rules instead.
    void registerEdit(const QString &formatText, QLineEdit *edit);
    // Segment k of a format cut at every "%" goes to edit k. Every segment is
    // parsed before any edit is hooked.
    void registerFormat(const QString &format, const QList<QLineEdit *> &edits);
    void remove(QLineEdit *edit);
    void removeAll();

    void setOwnerWindow(QWidget *owner);
    QWidget *ownerWindow() const { return m_owner; }

    // Stores the edit's current text as its last accepted text.
    void remember(QLineEdit *edit);
    QString lastAccepted(QLineEdit *edit) const;
    bool isRegistered(QLineEdit *edit) const;
    // The rules of a registered edit, or null.
    const QxEditFormat *format(QLineEdit *edit) const;

    void setChangeHandler(QLineEdit *edit, Handler handler);
    void setExitHandler(QLineEdit *edit, Handler handler);

    void setMessagePresenter(MessagePresenter presenter);
    void setBeeper(Beeper beeper);

    // Gives the focus to the control after the edit in its window's tab order.
    static void focusNext(QWidget *from);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Record;

    Record *find(const QObject *edit) const;
    void detach(Record &record);
    void textEdited(QLineEdit *edit);
    void runChangeHandler(QLineEdit *edit, bool advanceWhenFull);
    // Returns whether the focus went back to the edit.
    bool leave(QLineEdit *edit);

    QPointer<QWidget> m_owner;
    bool m_remember;
    MessagePresenter m_presenter;
    Beeper m_beeper;
    std::map<const QObject *, std::unique_ptr<Record>> m_records;
};
