#pragma once

#include "binding/QxShownTextRequest2Edits.h"
#include "dialogs/dedicated/TDedicatedForm.h"

#include <utility>

class QComboBox;
class QLineEdit;
class QPushButton;

// What every access-profile mask dialog shares: the masks of one table in a
// list, an editor with a control per column, Refresh, Add and Delete, and a
// status bar. The binding is synchronous. A row click shows the row and
// allows Delete only; no selection allows Add and a new ID. Add runs the
// dialog's checks and writes the new mask without the columns the dialog
// leaves out; Delete destroys the selected mask by its row status alone.
class TAclMaskForm : public TDedicatedForm
{
    Q_OBJECT

public:
    QxSNMPRequest2Edits *maskBinding() const { return m_masks; }

protected:
    struct Spec
    {
        const char *caption;
        const QxDescriptorTable *table;
        // The controls, the ID edit first; its format may be the table's own.
        std::span<const DedicatedField> fields;
        const char *idFormat;
        int rowStatusColumn;
        const char *refreshButton;
        const char *addButton;
        const char *deleteButton;
        // Drop-down lists and the item text each starts on.
        std::span<const std::pair<const char *, const char *>> defaults;
        // The row count in a hidden static text.
        bool hiddenCount = false;
        // Columns shown (and typed) in a form of their own.
        QList<QxShownTextRequest2Edits::Column> shown = {};
    };
    TAclMaskForm(QWidget *parent, const Spec &spec);

    // The dialog's checks, in its order; the first that fails stops the Add.
    virtual bool addAccepted() = 0;
    // The columns a new mask is written without.
    virtual QList<int> addExclusions() = 0;

    void rowSelected(QxSNMPRequest2Edits &binding, QTreeWidgetItem *row) override;

    QLineEdit *idEdit() const { return m_id; }
    QComboBox *rowStatus() const { return m_rowStatus; }
    QLineEdit *edit(const char *name) const;
    QComboBox *list(const char *name) const;
    // The control of a column; null for a column without one (or -1).
    QLineEdit *editOf(int column) const;
    QComboBox *listOf(int column) const;
    // Whether a listed mask has the ID the ID edit holds.
    bool idListed() const;
    // The columns but the index and the row status.
    QList<int> allButKeyAndStatus() const;

private:
    void refresh();
    void add();
    void remove();
    // No row selected: Add and the ID edit open, Delete not.
    void enterBrowsing();
    void clearEdits();
    const DedicatedField *fieldOf(int column) const;

    const Spec m_spec;
    QxListView *m_list = nullptr;
    QLineEdit *m_id = nullptr;
    QComboBox *m_rowStatus = nullptr;
    QPushButton *m_btnAdd = nullptr;
    QPushButton *m_btnDelete = nullptr;
    QPointer<QxSNMPRequest2Edits> m_masks;
};
