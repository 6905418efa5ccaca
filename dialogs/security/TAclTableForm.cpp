#include "dialogs/security/TAclTableForm.h"

#include "snmp/QxKeyCodec.h"

#include "device/TPortUitForm.h"
#include "snmp/QxHexText.h"
#include "tables/AclDialogTables.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

TAclTableForm::TAclTableForm(QWidget *parent, const Spec &spec)
    : TDedicatedForm(parent, {.caption = spec.caption,
                              .status = StatusOutput::StatusBar,
                              .size = {760, 560},
                              .editorFields = spec.fieldsPerLine}),
      m_spec(spec)
{
    for (const DedicatedField &f : m_spec.fields)
        m_fields.push_back({f});
    m_fields.insert(m_fields.end(), m_spec.rows.begin(), m_spec.rows.end());
    if (m_spec.idFormat)
        m_fields.front().field.format = m_spec.idFormat;

    runCreation([this] {
        auto &rows = addBindingOf<QxShownTextRequest2Edits>(*m_spec.table, {.synchronous = true}, m_spec.shown);
        m_rows = &rows;
        m_list = addList(rows, "ListView1");
        for (const DedicatedCheckedField &row : m_fields) {
            if (m_spec.fieldsPerLine > 2 && m_boxes.size() == size_t(m_spec.table->keyCount))
                startEditorLine();
            m_boxes.push_back(row.box ? addCheckedField(rows, row.field, row.box, row.field.caption) : nullptr);
            if (!row.box)
                addFields(rows, std::span<const DedicatedField>(&row.field, 1));
        }
        for (const QxShownTextRequest2Edits::Column &c : m_spec.shown)
            if (QLineEdit *typed = editOf(c.position))
                rows.writeFrom(c.position, typed);
        for (int key = 0; key < m_spec.table->keyCount; ++key)
            m_keys.push_back(control<QLineEdit>(m_fields[size_t(key)].field.objectName));
        m_rowStatus = listOf(m_spec.rowStatusColumn);
        if (m_spec.portColumn >= 0)
            m_ports = addPortGroup("Port", &rows, m_spec.portColumn);
        for (const auto &[name, text] : m_spec.defaults)
            list(name)->setCurrentIndex(list(name)->findText(QString::fromLatin1(text)));
        if (m_spec.countText)
            addRowCount(m_spec.countText, m_list, false)->setHidden(m_spec.countHidden);
        addButton("Refresh", m_spec.refreshButton, [this] { refresh(); });
        const auto addEdit = [this] {
            if (m_spec.editButton)
                m_btnEdit = addButton("Edit", m_spec.editButton, [this] { editRow(); });
        };
        if (m_spec.editBeforeAdd)
            addEdit();
        m_btnAdd = addButton("Add", m_spec.addButton, [this] { add(); });
        if (!m_spec.editBeforeAdd)
            addEdit();
        m_btnDelete = addButton("Delete", m_spec.deleteButton, [this] { remove(); });
        if (std::any_of(m_boxes.begin(), m_boxes.end(), [](const QCheckBox *box) { return box; })) {
            addButton("Check All", "btnCheckAll", [this] { checkAllRows(true); });
            addButton("Clear Checks", "btnClearChecks", [this] { checkAllRows(false); });
        }
        refreshBinding(m_rows);
    });
    // Whatever creation met, the dialog starts browsing.
    if (m_btnDelete)
        enterBrowsing();
}

TAclTableForm::Spec TAclTableForm::ruleSpec(const char *caption, const QxDescriptorTable &table,
                                            std::span<const DedicatedCheckedField> rows, int rowStatusColumn,
                                            int portColumn, const char *editButton,
                                            std::span<const std::pair<const char *, const char *>> defaults)
{
    return {.caption = caption,
            .table = &table,
            .rows = rows,
            .rowStatusColumn = rowStatusColumn,
            .editButton = editButton,
            .defaults = defaults,
            .countText = "StaticText1",
            .portColumn = portColumn};
}

void TAclTableForm::startRule(std::initializer_list<int> unchosen, int permitColumn)
{
    if (!m_rowStatus)
        return; // creation failed
    for (int column : unchosen)
        if (QComboBox *choice = listOf(column))
            choice->setCurrentIndex(-1);
    listOf(permitColumn)->setCurrentIndex(listOf(permitColumn)->findText(QStringLiteral("permit")));
    m_rowStatus->setCurrentIndex(AclDialogTables::rowCreateAndGo);
}

void TAclTableForm::enterBrowsing()
{
    m_btnDelete->setEnabled(false);
    if (m_btnEdit)
        m_btnEdit->setEnabled(false);
    m_btnAdd->setEnabled(true);
    for (QLineEdit *key : m_keys)
        key->setEnabled(true);
}

void TAclTableForm::clearEditor()
{
    for (const DedicatedCheckedField &row : m_fields)
        if (row.field.kind == DedicatedField::Edit)
            edit(row.field.objectName)->clear();
    checkAllRows(false);
    if (m_ports)
        m_ports->ClearAll();
    editorCleared();
}

void TAclTableForm::rowSelected(QxSNMPRequest2Edits &, QTreeWidgetItem *row)
{
    if (!row) {
        enterBrowsing();
        clearEditor();
        return;
    }
    m_btnAdd->setEnabled(false);
    for (QLineEdit *key : m_keys)
        key->setEnabled(false);
    m_btnDelete->setEnabled(true);
    if (m_btnEdit)
        m_btnEdit->setEnabled(true);
}

QLineEdit *TAclTableForm::edit(const char *name) const
{
    return control<QLineEdit>(name);
}

QComboBox *TAclTableForm::list(const char *name) const
{
    return control<QComboBox>(name);
}

const DedicatedField *TAclTableForm::fieldOf(int column) const
{
    for (const DedicatedCheckedField &row : m_fields)
        if (row.field.column == column)
            return &row.field;
    return nullptr;
}

QLineEdit *TAclTableForm::editOf(int column) const
{
    const DedicatedField *f = fieldOf(column);
    return f && f->kind != DedicatedField::DropDown ? edit(f->objectName) : nullptr;
}

QComboBox *TAclTableForm::listOf(int column) const
{
    const DedicatedField *f = fieldOf(column);
    return f && f->kind == DedicatedField::DropDown ? list(f->objectName) : nullptr;
}

QCheckBox *TAclTableForm::boxOf(int column) const
{
    for (size_t i = 0; i < m_boxes.size(); ++i)
        if (m_fields[i].field.column == column)
            return m_boxes[i];
    return nullptr;
}

bool TAclTableForm::ticked(int column) const
{
    const QCheckBox *box = boxOf(column);
    return box && box->isChecked();
}

bool TAclTableForm::keysListed() const
{
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *row = m_list->topLevelItem(i);
        bool same = true;
        for (size_t key = 0; key < m_keys.size() && same; ++key)
            same = QxKeyCodec::sameKey(row->text(int(key)), m_keys[key]->text());
        if (same)
            return true;
    }
    return false;
}

QList<int> TAclTableForm::allButKeyAndStatus() const
{
    QList<int> columns;
    for (int c = m_spec.table->keyCount; c < m_rows->varList().count(); ++c)
        if (c != m_spec.rowStatusColumn)
            columns << c;
    return columns;
}

bool TAclTableForm::tickedRowsFilled(const char *message, const QList<int> &mayBeEmpty)
{
    for (const DedicatedCheckedField &row : m_fields) {
        if (!ticked(row.field.column) || mayBeEmpty.contains(row.field.column))
            continue;
        QWidget *shown = nullptr;
        bool empty = false;
        if (QComboBox *combo = listOf(row.field.column)) {
            shown = combo;
            empty = combo->currentIndex() < 0;
        } else if (QLineEdit *text = editOf(row.field.column)) {
            shown = text;
            empty = text->text().isEmpty();
        }
        if (!passes({{[empty] { return empty; }, message, shown}}))
            return false;
    }
    return true;
}


bool TAclTableForm::tickedHexAccepted(int column, int maxDigits, const char *message)
{
    QLineEdit *text = editOf(column);
    const bool bad = ticked(column) && (text->text().size() > maxDigits || !QxHexText::isDigits(text->text()));
    return passes({{[bad] { return bad; }, message, text}});
}

InputCheck TAclTableForm::rxRateCheck(int column) const
{
    constexpr int MaxRxRate = 156249;
    QLineEdit *rate = editOf(column);
    return {[this, column, rate] { return ticked(column) && outsideRange(rate->text(), 0, MaxRxRate); },
            "Rx Rate should between 0-156249", rate};
}

bool TAclTableForm::createAndGoTicked() const
{
    return ticked(m_spec.rowStatusColumn) && m_rowStatus->currentIndex() == AclDialogTables::rowCreateAndGo;
}

bool TAclTableForm::newRuleAccepted(const char *duplicateMessage)
{
    return passes({
        {[this] { return keysListed(); }, duplicateMessage, idEdit()},
        {[this] { return !createAndGoTicked(); }, "Row State must be checked and set to createAndGo.", m_rowStatus},
    });
}

void TAclTableForm::refresh()
{
    refreshBinding(m_rows);
    enterBrowsing();
    clearEditor();
}

void TAclTableForm::add()
{
    if (!addAccepted())
        return;
    write({.binding = m_rows, .row = DedicatedWrite::Row::New, .keptOut = addExclusions(), .succeeded = [this] {
               enterBrowsing();
               clearEditor();
           }});
}

void TAclTableForm::editRow()
{
    if (!editAccepted())
        return;
    // A ticked "destroy" removes the rule, as Delete does.
    const bool destroys = ticked(m_spec.rowStatusColumn) && m_rowStatus->currentIndex() == AclDialogTables::rowDestroy;
    write({.binding = m_rows,
           .row = DedicatedWrite::Row::Selected,
           .keptOut = destroys ? allButKeyAndStatus() : editExclusions(),
           .succeeded = [this] {
               enterBrowsing();
               clearEditor();
           }});
}

void TAclTableForm::remove()
{
    // A row goes by its row status alone.
    write({.binding = m_rows,
           .row = DedicatedWrite::Row::Selected,
           .keptOut = deleteExclusions(),
           .status = m_rowStatus,
           .statusItem = AclDialogTables::rowDestroy,
           .succeeded = [this] {
               enterBrowsing();
               clearEditor();
               // The list shows what the last write carried.
               m_rowStatus->setCurrentIndex(AclDialogTables::rowDestroy);
           }});
}
