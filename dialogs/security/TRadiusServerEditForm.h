#pragma once

#include "dialogs/dedicated/TDedicatedForm.h"

class QComboBox;
class QLineEdit;
class QTreeWidget;

// "Radius Server Edit": adds a RADIUS server or changes the selected one. Its
// controls are the server dialog's binding's, so a selected server shows
// here; what it raises goes to the server dialog's memo.
class TRadiusServerEditForm final : public TDedicatedForm
{
    Q_OBJECT

public:
    enum class Mode { Add, Edit };

    TRadiusServerEditForm(QWidget *parent, QxSNMPRequest2Edits &servers, const QTreeWidget *list);

    void setMode(Mode mode) { m_mode = mode; }
    QComboBox *statusCombo() const { return m_status; }

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void set();
    void add();
    void change();
    // The address is no reserved one (the message shown when it is).
    bool notReserved();
    // A listed server with the four values given (empty edits as their
    // defaults); the message is shown when there is one.
    bool duplicate();

    QxSNMPRequest2Edits &m_servers;
    const QTreeWidget *m_list;
    Mode m_mode = Mode::Add;
    QComboBox *m_index = nullptr;
    QComboBox *m_status = nullptr;
    QLineEdit *m_address = nullptr;
    QLineEdit *m_key = nullptr;
    QLineEdit *m_authPort = nullptr;
    QLineEdit *m_accountingPort = nullptr;
};
