#pragma once

#include "binding/QxShownTextRequest2Edits.h"
#include "dialogs/dedicated/TDedicatedForm.h"

#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

// What every access-profile mask and rule dialog shares: the rows of one
// table in a list, an editor with a control per column, Refresh, Add and
// Delete, and a status bar. The binding is synchronous. A row click shows the
// row and allows Delete (and Edit) only; no selection allows Add and new keys.
// Add runs the dialog's checks and writes the new row without the columns the
// dialog leaves out; Delete destroys the selected row by its row status alone.
//
// Rules add to this a second key (the mask's ID, then the rule's), a check
// box before each field that decides whether it is written ("Check All",
// "Clear Checks"), the ports they apply to in a port picker, and, on the CPU
// filter, Edit. Refresh, a write that went through and a click on no row
// clear the editor, the boxes and the ports.
class TAclTableForm : public TDedicatedForm
{
    Q_OBJECT

public:
    QxSNMPRequest2Edits *tableBinding() const { return m_rows; }

protected:
    struct Spec
    {
        const char *caption;
        const QxDescriptorTable *table;
        // The controls, the key edits first: plain fields, or rows that may
        // have a check box (a dialog gives one of the two).
        std::span<const DedicatedField> fields = {};
        std::span<const DedicatedCheckedField> rows = {};
        // The first key's format where it is not the field's own.
        const char *idFormat = nullptr;
        int rowStatusColumn = -1;
        const char *refreshButton = "BT_Get";
        const char *addButton = "BT_Add";
        const char *deleteButton = "BT_Delete";
        // Null: no Edit button.
        const char *editButton = nullptr;
        // Edit sits before Add in the button row (after it otherwise).
        bool editBeforeAdd = false;
        // Drop-down lists and the item text each starts on.
        std::span<const std::pair<const char *, const char *>> defaults = {};
        // The row count in a static text (null: none), hidden when asked.
        const char *countText = nullptr;
        bool countHidden = false;
        // The port-list column the port picker shows (-1: none).
        int portColumn = -1;
        // Columns shown (and typed) in a form of their own.
        QList<QxShownTextRequest2Edits::Column> shown = {};
        // Fields side by side on an editor line; with more than two (a
        // frame word's offset, mask and data) the keys take a line of their own.
        int fieldsPerLine = 2;
    };
    TAclTableForm(QWidget *parent, const Spec &spec);
    // What a rule flow's dialog gives: its table, the part each column plays,
    // its rows in the order it checks them and, on the CPU filter, its Edit.
    template <typename Columns>
    struct RuleSpec
    {
        const char *caption;
        const QxDescriptorTable *table;
        Columns columns;
        std::span<const DedicatedCheckedField> rows;
        const char *editButton = nullptr;
    };
    template <typename Columns>
    static Spec ruleSpec(const RuleSpec<Columns> &rule)
    {
        return ruleSpec(rule.caption, *rule.table, rule.rows, rule.columns.rowStatus, rule.columns.ports,
                        rule.editButton);
    }
    // A rule dialog's spec: the rest is what every rule dialog has.
    static Spec ruleSpec(const char *caption, const QxDescriptorTable &table,
                         std::span<const DedicatedCheckedField> rows, int rowStatusColumn, int portColumn,
                         const char *editButton = nullptr,
                         std::span<const std::pair<const char *, const char *>> defaults = {});
    // A new rule starts without a choice in the lists given (-1: none), with
    // "permit" and "createAndGo".
    void startRule(std::initializer_list<int> unchosen, int permitColumn);

    // The dialog's checks, in its order; the first that fails stops the Add.
    virtual bool addAccepted() = 0;
    // The columns a new row is written without.
    virtual QList<int> addExclusions() = 0;
    // The same for Edit (only called where the dialog has the button).
    virtual bool editAccepted() { return false; }
    virtual QList<int> editExclusions() { return notTicked(); }
    // The columns Delete is written without (every one but the keys and the
    // row status, unless the dialog says otherwise).
    virtual QList<int> deleteExclusions() { return allButKeyAndStatus(); }
    // After the editor was cleared (Refresh, a write that went through, a
    // click on no row): a dialog puts back the choices a new row starts with.
    virtual void editorCleared() {}

    void rowSelected(QxSNMPRequest2Edits &binding, QTreeWidgetItem *row) override;

    QLineEdit *idEdit() const { return m_keys.front(); }
    QLineEdit *keyEdit(int key) const { return m_keys.at(size_t(key)); }
    QComboBox *rowStatus() const { return m_rowStatus; }
    TPortUitForm *portPicker() const { return m_ports; }
    QLineEdit *edit(const char *name) const;
    QComboBox *list(const char *name) const;
    // The control of a column; null for a column without one (or -1).
    QLineEdit *editOf(int column) const;
    QComboBox *listOf(int column) const;
    QCheckBox *boxOf(int column) const;
    bool ticked(int column) const;
    // Whether a listed row has the keys the key edits hold.
    bool keysListed() const;
    // The columns but the keys and the row status.
    QList<int> allButKeyAndStatus() const;
    // The columns whose boxes are not ticked.
    QList<int> notTicked() const { return uncheckedColumns(*m_rows); }
    // "Some checked field is empty": a ticked row whose control is empty
    // fails, in the order of the rows; the columns mayBeEmpty pass.
    bool tickedRowsFilled(const char *message, const QList<int> &mayBeEmpty = {});
    // A ticked edit of frame data holds hexadecimal digits only, at most
    // maxDigits of them: the value conversion would take any other character
    // for 0. An empty one passes.
    bool tickedHexAccepted(int column, int maxDigits, const char *message);
    // A ticked rule rate must lie within what the switch meters.
    InputCheck rxRateCheck(int column) const;
    // The row status must be ticked and on "createAndGo" for a new rule.
    bool createAndGoTicked() const;
    // A new rule's keys are not listed yet (else the message), and its row
    // status is ticked on "createAndGo".
    bool newRuleAccepted(const char *duplicateMessage);

private:
    void refresh();
    void add();
    void editRow();
    void remove();
    // No row selected: Add and the key edits open, Delete and Edit not.
    void enterBrowsing();
    void clearEditor();
    const DedicatedField *fieldOf(int column) const;

    const Spec m_spec;
    std::vector<DedicatedCheckedField> m_fields;
    // The check box of each field (null for none); the port picker's boxes
    // may carry the same names.
    std::vector<QCheckBox *> m_boxes;
    QxListView *m_list = nullptr;
    std::vector<QLineEdit *> m_keys;
    QComboBox *m_rowStatus = nullptr;
    TPortUitForm *m_ports = nullptr;
    QPushButton *m_btnAdd = nullptr;
    QPushButton *m_btnDelete = nullptr;
    QPushButton *m_btnEdit = nullptr;
    QPointer<QxSNMPRequest2Edits> m_rows;
};
