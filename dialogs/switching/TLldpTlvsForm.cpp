#include "dialogs/switching/TLldpTlvsForm.h"

#include "binding/QxShownTextRequest2Edits.h"
#include "dialogs/switching/TLldpTlvSelectionForm.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TLldpTlvsForm::TLldpTlvsForm(QWidget *parent, const Spec &spec)
    : TDedicatedForm(parent, {.caption = spec.caption, .status = StatusOutput::StatusBar, .size = {600, 460},
                              // A line each: the TLV names read whole.
                              .editorFields = 1})
{
    m_names = spec.names;
    runCreation([this, &spec] {
        auto &table = addBindingOf<QxShownTextRequest2Edits>(
            *spec.table, {}, QList{QxShownTextRequest2Edits::bitNames(spec.tlvColumn, *spec.names)});
        m_table = &table;
        m_list = addList(*m_table, "ListView1");
        addFields(*m_table, spec.fields);
        addRowCount("ST_Count", m_list, false);
        m_tlvs = control<QLineEdit>("TLVsEdit");
        table.writeFrom(spec.tlvColumn, m_tlvs);
        m_tlvs->installEventFilter(this);
        m_selection = spec.makeSelection(this, m_tlvs);
        addButton("Refresh", "btnRefresh", [this] {
            control<QLabel>("PortText")->setText(QStringLiteral(" "));
            m_btnEdit->setEnabled(false);
            refreshBinding(m_table);
        });
        m_btnEdit = addButton("Edit", "btnEdit", [this] { edit(); });
        addButton("Close", "btnClose", [this] { reject(); });
        m_btnEdit->setEnabled(false);
        refreshBinding(m_table);
    });
}

void TLldpTlvsForm::rowSelected(QxSNMPRequest2Edits &, QTreeWidgetItem *row)
{
    m_btnEdit->setEnabled(row != nullptr);
}

bool TLldpTlvsForm::eventFilter(QObject *watched, QEvent *event)
{
    // A click on the TLV edit chooses the TLVs in the selection window.
    if (watched == m_tlvs && event->type() == QEvent::MouseButtonPress) {
        m_btnEdit->setEnabled(true);
        const QString address = windowTitle().section(QStringLiteral(": "), 1);
        m_selection->setWindowTitle(m_selection->windowTitle().section(QStringLiteral(": "), 0, 0)
                                    + QStringLiteral(": ") + address);
        runModal(*m_selection);
        return true;
    }
    return TDedicatedForm::eventFilter(watched, event);
}

void TLldpTlvsForm::edit()
{
    if (m_list->selectedItems().isEmpty())
        return;
    // A word that names no TLV would be dropped from the bit map, and a
    // misspelt list would switch every TLV off.
    const QStringList unknown = QxBitMapNames::unknown(m_tlvs->text(), *m_names);
    if (!unknown.isEmpty()) {
        inform(QStringLiteral("\"%1\" is no TLV name. The TLV names are: %2.")
                   .arg(unknown.first(), QxBitMapNames::all(*m_names).join(QStringLiteral(", "))));
        m_tlvs->setFocus();
        return;
    }
    // The binding puts the lists' choices and the encoded TLV names into the
    // write; the table is read again once it is answered.
    write({.binding = m_table, .row = DedicatedWrite::Row::Selected});
}
