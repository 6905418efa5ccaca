#include "dialogs/security/TAclMaskForm.h"

#include "tables/AclDialogTables.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <vector>

TAclMaskForm::TAclMaskForm(QWidget *parent, const Spec &spec)
    : TDedicatedForm(parent, {.caption = spec.caption, .status = StatusOutput::StatusBar, .size = {760, 560}}),
      m_spec(spec)
{
    runCreation([this] {
        auto &masks = addBindingOf<QxShownTextRequest2Edits>(*m_spec.table, {.synchronous = true}, m_spec.shown);
        m_masks = &masks;
        m_list = addList(masks, "ListView1");
        std::vector<DedicatedField> fields(m_spec.fields.begin(), m_spec.fields.end());
        if (m_spec.idFormat)
            fields.front().format = m_spec.idFormat;
        addFields(masks, fields);
        for (const QxShownTextRequest2Edits::Column &c : m_spec.shown)
            if (QLineEdit *typed = editOf(c.position))
                masks.writeFrom(c.position, typed);
        m_id = control<QLineEdit>(fields.front().objectName);
        for (const DedicatedField &f : fields)
            if (f.column == m_spec.rowStatusColumn)
                m_rowStatus = control<QComboBox>(f.objectName);
        for (const auto &[name, text] : m_spec.defaults)
            list(name)->setCurrentIndex(list(name)->findText(QString::fromLatin1(text)));
        if (m_spec.hiddenCount)
            addRowCount("Static", m_list, false)->hide();
        addButton("Refresh", m_spec.refreshButton, [this] { refresh(); });
        m_btnAdd = addButton("Add", m_spec.addButton, [this] { add(); });
        m_btnDelete = addButton("Delete", m_spec.deleteButton, [this] { remove(); });
        refreshBinding(m_masks);
    });
    // Whatever creation met, the dialog starts browsing.
    if (m_btnDelete)
        enterBrowsing();
}

void TAclMaskForm::enterBrowsing()
{
    m_btnDelete->setEnabled(false);
    m_btnAdd->setEnabled(true);
    m_id->setEnabled(true);
}

void TAclMaskForm::clearEdits()
{
    for (const DedicatedField &f : m_spec.fields)
        if (f.kind == DedicatedField::Edit)
            edit(f.objectName)->clear();
}

void TAclMaskForm::rowSelected(QxSNMPRequest2Edits &, QTreeWidgetItem *row)
{
    if (!row) {
        enterBrowsing();
        clearEdits();
        return;
    }
    m_btnAdd->setEnabled(false);
    m_id->setEnabled(false);
    m_btnDelete->setEnabled(true);
}

QLineEdit *TAclMaskForm::edit(const char *name) const
{
    return control<QLineEdit>(name);
}

QComboBox *TAclMaskForm::list(const char *name) const
{
    return control<QComboBox>(name);
}

const DedicatedField *TAclMaskForm::fieldOf(int column) const
{
    for (const DedicatedField &f : m_spec.fields)
        if (f.column == column)
            return &f;
    return nullptr;
}

QLineEdit *TAclMaskForm::editOf(int column) const
{
    const DedicatedField *f = fieldOf(column);
    return f && f->kind == DedicatedField::Edit ? edit(f->objectName) : nullptr;
}

QComboBox *TAclMaskForm::listOf(int column) const
{
    const DedicatedField *f = fieldOf(column);
    return f && f->kind == DedicatedField::DropDown ? list(f->objectName) : nullptr;
}

bool TAclMaskForm::idListed() const
{
    return rowWithText(m_list, 0, m_id->text()) != nullptr;
}

QList<int> TAclMaskForm::allButKeyAndStatus() const
{
    QList<int> columns;
    for (int c = 1; c < m_masks->varList().count(); ++c)
        if (c != m_spec.rowStatusColumn)
            columns << c;
    return columns;
}

void TAclMaskForm::refresh()
{
    refreshBinding(m_masks);
    enterBrowsing();
    clearEdits();
}

void TAclMaskForm::add()
{
    if (!addAccepted())
        return;
    writeThenRead(m_masks, addExclusions(), [this] {
        enterBrowsing();
        clearEdits();
    });
}

void TAclMaskForm::remove()
{
    // A mask goes by its row status alone.
    withStatus(m_rowStatus, AclDialogTables::rowDestroy, m_masks, {}, [this] {
        writeThenRead(m_masks, allButKeyAndStatus(), [this] { enterBrowsing(); });
    });
}
