#include "dialogs/switching/TMSEditForm.h"

#include "tables/MemberSwitchDialogTables.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

namespace Tables = MemberSwitchDialogTables;
namespace Column = Tables::WriteColumn;

constexpr DedicatedField kFields[] = {
    {Column::Id, "MSIDEdit", "Member Switch ID", DedicatedField::Edit, "%i{n1x32l2a}"},
    {Column::CandidateId, "KeyIDEdit", "Member Candidate ID", DedicatedField::Edit, "%i{n1x32l2a}"},
    {Column::Password, "MS_Password", "Member Password", DedicatedField::Edit, "%s"},
    {Column::RowStatus, "Row_Status", "Member Row Status", DedicatedField::DropDown},
};

} // namespace

TMSEditForm::TMSEditForm(QWidget *parent, const QTreeWidget *members)
    : TDedicatedForm(parent, {.caption = "MS Add", .status = StatusOutput::None, .size = {420, 200}, .reopened = true}), m_members(members)
{
    runCreation([this] {
        m_write = &addBinding(Tables::memberWrite);
        addFields(*m_write, kFields);
        m_id = control<QLineEdit>("MSIDEdit");
        m_candidate = control<QLineEdit>("KeyIDEdit");
        m_password = control<QLineEdit>("MS_Password");
        // A password is typed, never shown.
        m_password->setEchoMode(QLineEdit::Password);
        m_status = control<QComboBox>("Row_Status");
        addButton("Set", "btnSet", [this] { set(); });
        addButton("Close", "btnClose", [this] { reject(); });
    });
}

void TMSEditForm::prepareAdd()
{
    m_status->setCurrentIndex(Tables::createAndGo);
}

void TMSEditForm::showEvent(QShowEvent *event)
{
    TDedicatedForm::showEvent(event);
    // Each Add starts empty: a password is not carried over to the next member.
    m_id->clear();
    m_candidate->clear();
    m_password->clear();
    m_candidate->setEnabled(true);
}

void TMSEditForm::set()
{
    if (!passes({{[this] { return rowWithText(m_members, Column::Id, m_id->text()) != nullptr; },
                  "There is already a record with the same Member Switch ID. Please modified it."}},
                Report::WarningBox)
        || !passes({
            {[this] { return m_id->text().isEmpty(); }, "Member Siwitch ID is needed.", m_id},
            {[this] { return m_candidate->text().isEmpty(); }, "Member Candidate ID is needed.", m_candidate},
            {[this] { return m_status->currentIndex() != Tables::createAndGo; }, "Member Row State must be createAndGo.",
             m_status},
        }))
        return;
    m_write->varList().setInstanceSuffix(m_id->text());
    // The window closes once the member is there; a refusal leaves it open
    // with what was typed.
    write({.binding = m_write, .readBack = DedicatedWrite::ReadBack::Never, .succeeded = [this] { accept(); }});
}

void TMSEditForm::destroyMember(const QString &id, const std::function<void(bool wrote)> &next)
{
    m_write->varList().setInstanceSuffix(id);
    write({.binding = m_write,
           .keptOut = {Column::CandidateId, Column::Password},
           .status = m_status,
           .statusItem = Tables::destroy,
           .readBack = DedicatedWrite::ReadBack::Never,
           .finished = next});
}
