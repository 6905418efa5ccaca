#pragma once

#include "binding/QxColumnFitter.h"
#include "binding/QxEditConstraint.h"
#include "binding/QxSNMPRequest2Controls.h"

#include <QElapsedTimer>
#include <QList>
#include <QMetaObject>
#include <QPalette>
#include <QPointer>
#include <QString>
#include <QTreeWidget> // the list view is held by a guarded pointer, which needs the class
#include <memory>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QxOptionList;

// Shows SNMP variables in ordinary controls and takes back what the user changed.
// Variables are bound by position to labels, check boxes (one, or one per bit of
// an octet string), drop-down lists, radio groups (QxRadioGroup or a QButtonGroup
// of existing buttons) and line edits (one, or one per field of the value); a
// report-style list view (QTreeWidget, usually QxListView) can show a table's
// rows. Values travel as text through the variable's syntax and option list.
//
// The signal connections a binding makes are its own: removing the binding
// disconnects exactly those, so every handler the window connected keeps working.
class QxSNMPRequest2Edits : public QxSNMPRequest2Controls
{
    Q_OBJECT

public:
    // A cell that shows its value otherwise than as it is written (a port
    // list as "1-7,25") keeps the value here; a row's write takes it from here.
    static constexpr int CellValueRole = Qt::UserRole + 2;

    static constexpr int AllVariables = -1;

    explicit QxSNMPRequest2Edits(QWidget *owner);
    ~QxSNMPRequest2Edits() override;

    // One control of any supported kind. A drop-down list or radio group needs the
    // variable's option list (-520) and is filled with its texts; a drop-down list
    // on a prefix option list also needs the second control for the rest (-522).
    void bindControl(int position, QObject *control, QObject *second = nullptr);
    // A drop-down list without free typing.
    void bindDropDownList(int position, QComboBox *combo, QObject *second = nullptr);
    // One constraint specification per edit ("%i{n1x4094l4}"); the format names
    // how many edits it takes (-522 when fewer are given).
    void bindFormatted(int position, const QString &format, const QList<QLineEdit *> &edits);
    void bindFormatted(int position, const QString &format, QLineEdit *edit);
    // Check box k stands for the k-th bit position of the list ("0,1,2").
    // bindBits takes up to eight boxes, bindBitList any number.
    void bindBits(int position, const QString &bitList, const QList<QCheckBox *> &boxes);
    void bindBitList(int position, const QString &bitList, const QList<QCheckBox *> &boxes);
    // Removes every binding of the variable; its edits lose their constraints.
    void unbindVariable(int position);
    bool isBound(int position) const;

    // Read-only, whole-row selection, grid lines; columns from the captions (the
    // hidden group first, 0 wide). A read replaces its rows; selecting a row
    // copies it into the value texts and the controls.
    void bindListView(QTreeWidget *listView, bool enableOnSelect = true);
    QTreeWidget *listView() const { return m_listView; }
    bool enableOnSelect() const { return m_enableOnSelect; }
    void setEnableOnSelect(bool on) { m_enableOnSelect = on; }

    void enableControls(bool enabled);
    // Value texts into the bound controls (one variable, or all).
    void showValues(int position = AllVariables);
    // The bound controls' values into the value texts of the writable variables
    // (one variable, or all); variables without bindings keep their texts.
    void collectValues(int position);
    // The selected list-view row into the value texts (and what each held
    // there, for the write's record); nothing without a selection.
    void copySelectedRow();
    bool rowSelected() const;
    // A write of a new row: its key comes from the controls even while a row
    // is selected (otherwise a write acts on the selected row's key as read).
    bool newRow() const { return m_newRow; }
    void setNewRow(bool on) { m_newRow = on; }
    // Key edits are read-only, on the button face colour, while they show a
    // selected row's key.
    void showKeysReadOnly(bool readOnly);
    // The variable has no value (the row shown has no such cell) and the user
    // has set none in its controls: a write leaves it out.
    bool leftUnset(int position);

    // The constraints of the bound edits (remember flag set). Its owner window is
    // the controller's owner.
    QxEditConstraint &constraint() { return *m_constraint; }

    // Hooks.
    void beforeRead() override;
    void rowRead() override;
    // With a list view: the selected row (a table write without one keeps no
    // key of the last row read); then every bound control.
    void collectValues() override;
    void afterRead() override;
    void readFailed(const QxSNMPError &error) override;
    // The refused variable's controls are marked and the first takes the focus;
    // the mark goes when the user changes the control or the next write starts.
    void markRefused(int position) override;
    void beforeWrite() override;
    bool isMarkedRefused(const QWidget *control) const;
    virtual void listViewSelectItem(QTreeWidgetItem *item, bool selected);

signals:
    // The user changed a bound drop-down list, check box or radio group.
    void controlChanged(int position);

private:
    enum class Kind { Label, CheckBox, ComboBox, RadioGroup, ButtonGroup, Edit, Other };

    struct Binding
    {
        int position = 0;
        int offset = 0;
        quint32 syntax = 0;
        const QxOptionList *options = nullptr; // override; null: the variable's
        QList<QPointer<QObject>> controls;
        QList<int> bits;                         // one per check box, or empty
        QList<QMetaObject::Connection> connections;
        // What the controls gave when they were shown a variable without a
        // value ("(NULL)": the row has no such cell): as long as they give
        // the same, the user has set nothing there and no value is taken.
        std::optional<QString> shownUnset;
    };

    static Kind kindOf(const QObject *control);
    const QxOptionList *optionsOf(const Binding &b) const;
    QList<QLineEdit *> edits(const Binding &b) const;
    Binding &addBinding(int position, const QList<QObject *> &controls);
    void connectHandler(Binding &b, QObject *control);
    void release(Binding &b);
    void fillChoices(const Binding &b, QObject *control);

    void showBinding(const Binding &b);
    // What the binding's controls give now, in one text (bits as hex).
    QString controlsState(const Binding &b);
    void noteShown(Binding &b);
    void showBits(const Binding &b, const QString &value);
    // The part text one binding's controls give (bits: see collectBits).
    QString partText(const Binding &b);
    QByteArray collectBits(const Binding &b) const;
    void collectVariable(int position);

    void buildColumns();
    // Whether the variable is a port list (shown in the list as port ranges).
    bool holdsPortList(int position) const;
    void addListRow();
    void showPendingRows();
    void listSelectionChanged();

    std::unique_ptr<QxEditConstraint> m_constraint;
    std::vector<std::unique_ptr<Binding>> m_bindings;
    QPointer<QTreeWidget> m_listView;
    // Rows of a running asynchronous walk that the list view has not been given
    // yet: a view lays out all its rows whenever rows arrive, so they are handed
    // over in batches rather than one by one.
    std::vector<std::unique_ptr<QTreeWidgetItem>> m_pendingRows;
    QElapsedTimer m_sinceRowsShown;
    // How long rows wait before they are shown: grows with what showing them
    // costs, since the view lays out all its rows whenever rows are added.
    qint64 m_showRowsEveryMs = 25;
    QList<QMetaObject::Connection> m_listConnections;
    std::unique_ptr<QxColumnFitter> m_columnFitter;
    bool m_enableOnSelect = true;
    bool m_newRow = false;
    // The list item data that holds a row's instance.
    static constexpr int RowInstanceRole = Qt::UserRole + 1;
    // Variable position of each list-view column, fixed when the columns were
    // laid out for the rows now shown (marks set for one write do not move them).
    QList<int> m_columnVariables;
    // Per list-view column: it shows a port list (as ranges, the value kept).
    QList<bool> m_portListColumns;
    struct Marked
    {
        QPointer<QWidget> control;
        QPalette palette;
        QMetaObject::Connection changed;
    };
    QList<Marked> m_marked;
    void clearMarks();
};
