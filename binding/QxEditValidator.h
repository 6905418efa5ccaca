#pragma once

#include "format/QxEditFormat.h"

#include <QLineEdit>
#include <QPointer>
#include <QString>
#include <QValidator>
#include <functional>

// The typing side of an edit constraint: cuts what the user types or pastes to
// the edit's length and takes out the characters the format refuses, before the
// edit shows them. Texts the program sets pass untouched (the edit reports them
// as unmodified), so "(NULL)" or a value longer than the length is shown as read.
// A validator the edit had before is consulted after this one.
class QxEditValidator : public QValidator
{
    Q_OBJECT

public:
    QxEditValidator(QxEditFormat format, QLineEdit *edit, std::function<void()> onRefused);

    State validate(QString &input, int &pos) const override;
    void fixup(QString &input) const override;

    void setChained(const QValidator *previous) { m_chained = previous; }
    const QValidator *chained() const { return m_chained; }

    // Whether the edit just committed had the advance character taken out; reading
    // clears it.
    bool takeAdvanceRequest();
    // The edit's text before the change being committed.
    const QString &previousText() const { return m_previous; }

private:
    QxEditFormat m_format;
    QPointer<QLineEdit> m_edit;
    QPointer<const QValidator> m_chained;
    std::function<void()> m_onRefused;
    QString m_previous;
    mutable bool m_advance = false;
};
