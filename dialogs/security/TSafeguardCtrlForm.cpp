#include "dialogs/security/TSafeguardCtrlForm.h"

#include "tables/SslSafeguardDialogTables.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

namespace Tables = SslSafeguardDialogTables;
namespace Column = Tables::SafeguardColumn;

// In the order they are written.
constexpr DedicatedCheckedField kRows[] = {
    {{Column::Rising, "edtRising", "Rising Threshold", DedicatedField::Edit, "%i{n20x100l3}"}, "ckRising"},
    {{Column::Falling, "edtFalling", "Falling Threshold", DedicatedField::Edit, "%i{n20x100l3}"}, "ckFalling"},
    {{Column::Mode, "cbxMode", "Mode", DedicatedField::DropDown}, "ckMode"},
    {{Column::Alarm, "cbxAlarm", "Alarm State", DedicatedField::DropDown}, "ckAlarm"},
};
constexpr DedicatedField kCurrentState{Column::CurrentStatus, "cbxCurrentState", "Current Status",
                                       DedicatedField::DropDown};

bool outOfRange(const QLineEdit *edit)
{
    return outsideRange(edit->text(), Tables::thresholdMin, Tables::thresholdMax);
}

} // namespace

TSafeguardCtrlForm::TSafeguardCtrlForm(QWidget *parent)
    : TDedicatedForm(parent, {.caption = "Safeguard Control", .status = StatusOutput::StatusBar, .size = {560, 240}})
{
    runCreation([this] {
        m_safeguard = &addBinding(Tables::safeguard, {.synchronous = true});
        for (const DedicatedCheckedField &row : kRows) {
            QCheckBox *box = addCheckedField(*m_safeguard, row.field, row.box, row.field.caption);
            connect(box, &QCheckBox::toggled, this, [this] { updateSetButton(); });
        }
        addFields(*m_safeguard, std::span<const DedicatedField>(&kCurrentState, 1));
        control<QComboBox>(kCurrentState.objectName)->setEnabled(false);
        m_lastFalling = sunkenText(QStringLiteral("lbFalling"));
        m_lastFalling->setParent(this);
        m_lastFalling->hide();
        addButton("Refresh", "btnRefresh", [this] { refresh(); });
        m_btnSet = addButton("Set Chekced", "btnSetChecked", [this] { setChecked(); });
        addButton("Close", "btnClose", [this] { reject(); });
        addButton("Check All", "btnCheckAll", [this] { checkAllRows(true); });
        addButton("Clear Checks", "btnClearChecks", [this] { checkAllRows(false); });
        updateSetButton();
        refresh();
    });
}

void TSafeguardCtrlForm::updateSetButton()
{
    if (m_safeguard && m_btnSet)
        m_btnSet->setEnabled(uncheckedColumns(*m_safeguard).size() < qsizetype(std::size(kRows)));
}

void TSafeguardCtrlForm::refresh()
{
    if (refreshBinding(m_safeguard))
        m_lastFalling->setText(m_safeguard->varList().item(Column::Falling).valueText);
}

QList<int> TSafeguardCtrlForm::writeOrder() const
{
    const QList<int> unticked = uncheckedColumns(*m_safeguard);
    QList<int> order;
    for (const DedicatedCheckedField &row : kRows)
        if (!unticked.contains(row.field.column))
            order << row.field.column;
    // A falling threshold that comes down goes first, so that the switch never
    // holds a rising threshold below the falling one in between.
    const bool lowerFalling = checkedNumber(control<QLineEdit>("edtFalling")->text()) < checkedNumber(m_lastFalling->text());
    if (order.size() >= 2 && order[0] == Column::Rising && order[1] == Column::Falling && lowerFalling)
        order.swapItemsAt(0, 1);
    return order;
}

void TSafeguardCtrlForm::setChecked()
{
    const QList<int> unticked = uncheckedColumns(*m_safeguard);
    auto *rising = control<QLineEdit>("edtRising");
    auto *falling = control<QLineEdit>("edtFalling");
    if (!passes({
            {[&] { return !unticked.contains(Column::Rising) && outOfRange(rising); },
             "Rising Threshold should between 20-100", rising},
            {[&] { return !unticked.contains(Column::Falling) && outOfRange(falling); },
             "Falling Threshold should between 20-100", falling},
        }))
        return;
    if (!m_safeguard || m_safeguard->busy())
        return;
    bool anyWritten = false;
    for (int column : writeOrder()) {
        QList<int> others;
        for (const DedicatedCheckedField &row : kRows)
            if (row.field.column != column)
                others << row.field.column;
        if (write({.binding = m_safeguard, .keptOut = others, .readBack = DedicatedWrite::ReadBack::Never})) {
            anyWritten = true;
            continue;
        }
        // The first write that fails ends the sequence. Before any went
        // through, what the user set stays in the controls for another try;
        // after some did, the switch holds a mix, and the dialog shows it
        // with the failure still in its status line.
        if (anyWritten) {
            const QString failure = statusPanelText();
            refresh();
            showStatusText(failure);
        }
        return;
    }
    refresh();
}
