#include "dialogs/services/Tdot3ControlForm.h"

#include "tables/EtherLikeDialogTables.h"

#include <QCheckBox>
#include <QHBoxLayout>

namespace {

namespace Column = EtherLikeDialogTables::ControlColumn;

constexpr const char *kRows[] = {"Recived Unknown Opcodes"};
// One box per function bit; only pause (bit 0) is shown.
constexpr int FunctionBits = 8;
constexpr int ShownFunctions = 1;

} // namespace

Tdot3ControlForm::Tdot3ControlForm(QWidget *parent)
    : TCounterMonitorForm(parent, {.caption = "Dot3 Control Table",
                                   .ports = &EtherLikeDialogTables::controlPorts,
                                   .counters = &EtherLikeDialogTables::controlCounters,
                                   .rowNames = kRows})
{
    runCreation([this] {
        auto *boxes = new QWidget;
        auto *row = new QHBoxLayout(boxes);
        row->setContentsMargins(0, 0, 0, 0);
        for (int bit = 0; bit < FunctionBits; ++bit) {
            auto *box = new QCheckBox(QStringLiteral("pause"));
            box->setObjectName(QStringLiteral("CheckBox%1").arg(bit + 1));
            // What the port supports is the switch's to say: the box shows it
            // and takes neither clicks nor keys.
            box->setAttribute(Qt::WA_TransparentForMouseEvents);
            box->setFocusPolicy(Qt::NoFocus);
            row->addWidget(box);
            if (bit >= ShownFunctions)
                box->hide();
            m_functions << box;
        }
        row->addStretch(1);
        addToEditor("Function Support", boxes);
        portBinding()->bindBits(Column::FunctionsSupported, QStringLiteral("0,1,2,3,4,5,6,7"), m_functions);
        start();
    });
}

QList<QCheckBox *> Tdot3ControlForm::visibleBoxes() const
{
    return m_functions.mid(0, ShownFunctions);
}

void Tdot3ControlForm::portsRead()
{
    // The port list leaves its controls disabled after a read; the shown box
    // is read-only data and should not look greyed out.
    for (QCheckBox *box : visibleBoxes())
        box->setEnabled(true);
}

void Tdot3ControlForm::clearPortControls()
{
    for (QCheckBox *box : visibleBoxes())
        box->setChecked(false);
}
