#pragma once

#include "dialogs/dedicated/TDedicatedForm.h"

class QComboBox;
class QLineEdit;

// "MS Add": the window that adds a member switch, kept for the member-switch
// dialog's life. Its binding writes at one member's ID (the instance suffix)
// and has no status output of its own: the switch's refusals come as message
// boxes, errors raised on the way go to the member-switch dialog.
class TMSEditForm final : public TDedicatedForm
{
    Q_OBJECT

public:
    // `members` is the member-switch dialog's list (for the duplicate-ID check).
    TMSEditForm(QWidget *parent, const QTreeWidget *members);

    QxSNMPRequest2Edits *writeBinding() const { return m_write; }

    // Ready for a new member: the IDs empty, the status createAndGo.
    void prepareAdd();
    // Destroys the member by its status alone; next runs once the write has
    // finished, whatever its outcome.
    void destroyMember(const QString &id, const std::function<void(bool wrote)> &next);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void set();

    const QTreeWidget *m_members;
    QLineEdit *m_id = nullptr;
    QLineEdit *m_candidate = nullptr;
    QLineEdit *m_password = nullptr;
    QComboBox *m_status = nullptr;
    QPointer<QxSNMPRequest2Edits> m_write;
};
