#pragma once

#include "binding/QxControllerHost.h"
#include "binding/QxListView.h"
#include "binding/QxSNMPRequest2Edits.h"
#include "dialogs/dedicated/DedicatedField.h"
#include "dialogs/dedicated/InputCheck.h"
#include "dialogs/generic/TDialogMessages.h"
#include "snmp/QxDescriptorTable.h"
#include "snmp/QxSNMPError.h"

#include <QDialog>
#include <QPointer>
#include <QSize>
#include <QString>
#include <functional>
#include <initializer_list>
#include <memory>
#include <span>
#include <vector>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpacerItem;
class QStatusBar;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;
class QVBoxLayout;
class TMainWindowLink;
class TPortUitForm;

// How a dedicated dialog looks before anything is in it.
struct DedicatedFormOptions
{
    // None: a sub-dialog whose bindings are its parent's, which report there.
    enum class StatusOutput { Memo, StatusBar, None };

    // The form's own caption, until the menu command sets the window title.
    const char *caption = "";
    StatusOutput status = StatusOutput::Memo;
    QSize size{640, 480};
    // Fields side by side on an editor line (label and control each).
    int editorFields = 2;
    // A sub-dialog its parent keeps and shows again: its bindings live until
    // it is destroyed, not only until it first closes.
    bool reopened = false;
};

// How one of its bindings exchanges.
struct DedicatedBindingOptions
{
    bool synchronous = false;
    int timeout = 0; // hundredths of a second; 0 keeps the session's
};

// A write as a dedicated dialog describes it; TDedicatedForm::write carries
// every write out the same way.
struct DedicatedWrite
{
    // Which row the write acts on (table bindings with a list).
    enum class Row {
        SelectedOrTyped, // the selected row's key as it was read; without a selection, the key the controls give
        Selected,        // the selected row's key; without a selection nothing is written
        New,             // the key the controls give (a new row), whatever row is selected
    };
    // What is read after a write that went through.
    enum class ReadBack { Tables, Always, Never };

    QxSNMPRequest2Edits *binding = nullptr;
    Row row = Row::SelectedOrTyped;
    // Columns kept out of this write (back in the list before anything is read).
    QList<int> keptOut;
    // The row status the write carries: the drop-down item chosen for this
    // write alone (the user's own choice is back afterwards).
    QComboBox *status = nullptr;
    int statusItem = -1;
    // Values from the bound controls (false: the value texts as the dialog set them).
    bool collect = true;
    // The binding's check-and-set rows decide the columns: unticked ones are
    // kept out, and with none ticked nothing is written.
    bool tickedOnly = false;
    ReadBack readBack = ReadBack::Tables;
    // A write that went through: what follows (clear the editor, close an add
    // window), before the read back starts.
    std::function<void()> succeeded;
    // Last, whatever the outcome (true: it went through).
    std::function<void(bool wrote)> finished;
};

// The base of every dedicated dialog. It owns the flow a dedicated dialog has
// in common; a dialog supplies data (its descriptor tables, its field list, its
// buttons) and overrides a hook only where it does something of its own.
//
// - Bindings (QxSNMPRequest2Edits over a descriptor table), owned here,
//   asynchronous or synchronous with their own request time-out, reporting to
//   the dialog's status output: the read-only memo Memo1 or a one-panel status
//   bar, as the dialog chooses.
// - The form is built from data: a list view per table, the field list (edits
//   with their input formats, drop-down lists, static texts, check boxes) in an
//   editor grid, port-picker and bit pages in one page control, a row count,
//   and a row of buttons. Each control carries its object name.
// - Every operation is guarded: what it raises goes to the status output and
//   the dialog stays usable. A write that fails in any way leaves what the user
//   typed as it was; only `succeeded` callbacks (a write that went through)
//   clear an editor.
// - Every write is described (DedicatedWrite) and carried out by write(): on
//   the selected row's key as read, the columns kept out back before any read,
//   the read back started from the write's own completion once it went
//   through. A failed write changes nothing the user sees but the status
//   line. Every wait is bounded.
// - Input checks run in the dialog's order and stop at the first failure,
//   before any request (passes).
// - The close sequence: each binding stops issuing requests, is waited for
//   (bounded by its time-outs) and destroyed, when the dialog closes and at the
//   latest when it is destroyed. A dialog may refuse to close while it reads.
//
// - Check-and-set rows: a check box before a field's control; a write of them
//   sends the ticked rows only (the others kept out for that one write).
// - Sub-dialogs (add and edit windows) are dedicated dialogs too, owned by the
//   dialog that opens them: they bind their fields to the parent's binding
//   (addFields takes any binding; the parent keeps it) or add their own.
//
// A dialog builds its controls and bindings in its constructor, inside
// runCreation() (guarded like every other operation), and keeps its bindings
// in QPointer members: they become null once the close sequence has destroyed
// them, and every operation here takes a null binding as "nothing to do".
class TDedicatedForm : public QDialog, public QxControllerHost
{
    Q_OBJECT

public:
    using StatusOutput = DedicatedFormOptions::StatusOutput;
    using Options = DedicatedFormOptions;
    using BindingOptions = DedicatedBindingOptions;

    static constexpr int MemoHeight = 60;

    TDedicatedForm(QWidget *parent, const Options &options);
    ~TDedicatedForm() override;

    // The status output: Memo1, or the one panel of StatusBar1.
    QPlainTextEdit *Memo1() const { return m_memo; }
    QStatusBar *statusBar() const { return m_statusBar; }
    QLabel *statusPanel() const { return m_statusPanel; }
    QString statusPanelText() const;
    // Shows a text in the status output (a new line of Memo1, or the panel),
    // as a failure unless told otherwise; a sub-dialog without one shows it in
    // its parent's.
    void showStatusText(const QString &text, bool failed = true);

    int bindingCount() const { return int(m_bindings.size()); }
    QxSNMPRequest2Edits *binding(int i) const;
    QList<QxSNMPRequest2Controls *> controllers() const override;

    // Message boxes of the dialog and of its bindings' edit constraints.
    void setMessages(const TDialogMessages &messages);
    const TDialogMessages &messages() const { return m_messages; }

    bool ready() const { return m_ready; }
    void setReady(bool ready) { m_ready = ready; }

    // Runs the close sequence before the dialog closes (unless it refuses).
    void done(int result) override;
    void closeBindings();
    bool bindingsClosed() const { return m_bindingsClosed; }

protected:
    // ---- bindings
    QxSNMPRequest2Edits &addBinding(const QxDescriptorTable &table, const BindingOptions &options = {});
    // The same with a binding of a derived class (one that shows some columns
    // its own way), made with the dialog as owner and the arguments given.
    template <typename Binding, typename... Args>
    Binding &addBindingOf(const QxDescriptorTable &table, const BindingOptions &options, Args &&...args)
    {
        auto binding = std::make_unique<Binding>(this, std::forward<Args>(args)...);
        Binding &made = *binding;
        adopt(std::move(binding), table, options);
        return made;
    }

    // ---- building the form
    QVBoxLayout *bodyLayout() const { return m_bodyLayout; }
    QGridLayout *editorGrid() const { return m_editor; }
    QHBoxLayout *buttonRow() const { return m_buttons; }
    // The list view of a table binding, above the editor; its selection runs
    // rowSelected once the binding has copied the row into the controls.
    QxListView *addList(QxSNMPRequest2Edits &binding, const char *objectName, bool enableOnSelect = true);
    // The fields' controls, label and control side by side, as many fields to
    // an editor line as the options say, bound to their columns.
    void addFields(QxSNMPRequest2Edits &binding, std::span<const DedicatedField> fields);
    // Adds a control of the dialog's own to the editor grid, with its label.
    void addToEditor(const char *caption, QWidget *control);
    // A control that takes an editor line of its own (a note, a group of
    // controls), after its label when it has one.
    void addEditorLine(const char *caption, QWidget *control);
    // A field that takes an editor line of its own (a long value).
    void addFieldLine(QxSNMPRequest2Edits &binding, const DedicatedField &field);
    // The next field starts a new editor line.
    void startEditorLine() { m_lineBreak = true; }
    // A check-and-set row: the check box (named and captioned as given), then
    // the field's control; the box decides whether the column is written.
    QCheckBox *addCheckedField(QxSNMPRequest2Edits &binding, const DedicatedField &field, const char *boxName,
                               const char *boxCaption);
    // The same for a column the dialog shows with controls of its own, which
    // take the rest of an editor line after the box.
    QCheckBox *addCheckedRow(QxSNMPRequest2Edits &binding, int column, const char *boxName, const char *boxCaption,
                             QWidget *controls);
    // Ticks the check-and-set rows that are shown and enabled, or unticks them all
    // ("Check All", "Clear Checks").
    void checkAllRows(bool ticked);
    // The columns of the binding whose check-and-set rows are not ticked.
    QList<int> uncheckedColumns(const QxSNMPRequest2Edits &binding) const;
    // The page control below the editor (made on first use).
    QTabWidget *pages();
    // Puts the page control in a group box with the caption.
    void groupPages(const char *caption);
    // A page holding a port picker of unit 1 (28 ports), bound to a port-list
    // column when a binding is given.
    TPortUitForm *addPortPage(const char *pageCaption, QxSNMPRequest2Edits *binding = nullptr, int column = -1);
    // The same picker in a group box of its own below the editor.
    TPortUitForm *addPortGroup(const char *caption, QxSNMPRequest2Edits *binding = nullptr, int column = -1);
    // A page of eight check boxes for the bits of one octet (bit 0 the most
    // significant), bound to the column when a binding is given.
    QList<QCheckBox *> addBitsPage(const char *pageCaption, const char *const (&captions)[8],
                                   QxSNMPRequest2Edits *binding = nullptr, int column = -1);
    // The row count of a list, in a sunken static text at the start of the
    // button row, after the label "Samples" when asked.
    QLabel *addRowCount(const char *objectName, QTreeWidget *list, bool samplesCaption = true);
    QPushButton *addButton(const char *caption, const char *objectName, const std::function<void()> &click);

    template <typename T>
    T *control(const char *objectName) const
    {
        return findChild<T *>(QString::fromLatin1(objectName));
    }

    // Binds one unit's 64 boxes to a port-list variable (box k = bit k = port k + 1).
    static void bindPortPicker(QxSNMPRequest2Edits &binding, int position, const TPortUitForm *picker);
    // A static text in a sunken frame, as the dialogs show read-only values.
    static QLabel *sunkenText(const QString &objectName);
    // A key edit: white and editable for a new row, read-only on the button
    // face colour while it shows the selected row's key.
    static void setKeyEditable(QLineEdit *edit, bool editable);
    // An edit keeps room for the longest value its format takes.
    static void makeRoomForValues(QxSNMPRequest2Edits &binding, QLineEdit *edit);
    // Unit and port edits take digits only.
    void digitsOnly(QLineEdit *edit);
    // The first row whose cell in the column names the same key as the text
    // (numbers as numbers, addresses as addresses), or null.
    static QTreeWidgetItem *rowWithText(const QTreeWidget *list, int column, const QString &text);

    // ---- operations (guarded; what they raise goes to the status output)
    void runCreation(const std::function<void()> &handler);
    // Returns whether the operation ran through.
    bool guarded(QxSNMPRequest2Edits *binding, const std::function<void()> &operation);
    // A handler of the dialog's own events (a click, a row selected, a timer):
    // guarded, and never run inside another operation of the dialog while that
    // waits for an agent; one that comes then runs once that operation is over.
    void handleEvent(QxSNMPRequest2Edits *binding, const std::function<void()> &handler);
    // Re-reads (a table is walked row by row). Ignored while the binding is busy.
    bool refreshBinding(QxSNMPRequest2Edits *binding);
    // Carries out a write as the dialog describes it, the same way for every
    // dialog: the row it acts on, the columns kept out, the status it
    // carries, then, once it has gone through, the read back and what
    // follows. A write that fails leaves the dialog as it was (what the user
    // typed, the selection, the buttons), ready to send the same write again.
    // Returns whether the write was sent (a synchronous one: went through).
    bool write(const DedicatedWrite &w);
    // Runs the checks in order; the first that fails shows its message (an
    // information box, or the status output) and focuses its control.
    enum class Report { Box, WarningBox, Status };
    bool passes(std::initializer_list<InputCheck> checks, Report report = Report::Box);

    // The one valid-address rule on an edit's text: when it is no address the
    // rule's message is shown and the edit takes the focus. With dotWording a
    // misplaced dot is worded "Please input a valid IP".
    bool validAddress(QLineEdit *edit, bool dotWording = false);

    // Stop: the binding issues no further requests, so a running read ends at
    // its next reply. Resume: once that reply (or its time-out) is in, the
    // binding issues requests again.
    static void stopRequests(QxSNMPRequest2Edits *binding);
    static void resumeRequests(QxSNMPRequest2Edits *binding);

    // ---- notices
    // The completion notice of a ready-flag dialog: sets the flag when a read
    // (and, if asked, a write) has finished, whatever its outcome, then runs `then`.
    void registerReadyNotice(QxSNMPRequest2Edits *binding, bool writesToo, const std::function<void()> &then = {});
    void onReadDone(QxSNMPRequest2Edits *binding, const std::function<void(const QxSNMPError &)> &handler);
    void onWriteDone(QxSNMPRequest2Edits *binding, const std::function<void(const QxSNMPError &)> &handler);
    // Lets replies in until the ready flag is set or ms have passed.
    bool waitUntilReady(int ms);
    // While the condition holds the dialog does not close; it shows the message.
    void refuseCloseWhile(const std::function<bool()> &condition, const char *message);

    // Lays the editor out again when one of its controls shows or hides; a
    // dialog that filters events of its own passes the rest on to this one.
    bool eventFilter(QObject *watched, QEvent *event) override;

    // ---- hooks
    // After the binding of the list has copied the selected row into its
    // controls; null when no row is selected any more.
    virtual void rowSelected(QxSNMPRequest2Edits &binding, QTreeWidgetItem *row);

    void inform(const QString &text);
    bool ask(const QString &caption, const QString &text);
    // Shows a modal window of the dialog's own (a progress dialog) and returns
    // its result; tests run it without a modal loop.
    int runModal(QDialog &window);

public:
    using ModalRunner = std::function<int(QDialog &)>;
    void setModalRunner(ModalRunner runner) { m_modalRunner = std::move(runner); }

protected:
    // The main window this dialog belongs to, or null (a dialog opened alone).
    TMainWindowLink *mainWindow() const;

private:
    void adopt(std::unique_ptr<QxSNMPRequest2Edits> binding, const QxDescriptorTable &table,
               const BindingOptions &options);

    QWidget *m_body;
    QVBoxLayout *m_bodyLayout;
    QGridLayout *m_editor;
    QHBoxLayout *m_buttons;
    QTabWidget *m_pages = nullptr;
    // Keeps the editor's lines at their own height when nothing above stretches.
    QSpacerItem *m_filler;
    QPlainTextEdit *m_memo = nullptr;
    QStatusBar *m_statusBar = nullptr;
    QLabel *m_statusPanel = nullptr;
    // The editor in the order its fields were added. It is laid out again
    // whenever a control shows or hides, so that hidden ones leave no hole.
    struct EditorEntry
    {
        QPointer<QWidget> label; // a caption, or a check-and-set row's box
        QPointer<QWidget> control;
        bool ownLabel;  // a caption made here: it shows and hides with its control
        bool wholeLine; // takes a line of its own
        bool lineStart; // starts a new line
    };
    std::vector<EditorEntry> m_editorEntries;
    int m_fieldsPerLine;
    bool m_lineBreak = false;
    void addEditorEntry(QWidget *label, QWidget *control, bool ownLabel, bool wholeLine);
    void layoutEditor();
    struct CheckedRow
    {
        QPointer<QCheckBox> box;
        const QxSNMPRequest2Edits *binding;
        int column;
    };
    std::vector<CheckedRow> m_checkedRows;
    QCheckBox *checkedRowBox(QxSNMPRequest2Edits &binding, int column, const char *boxName, const char *boxCaption);
    bool anyTicked(const QxSNMPRequest2Edits *binding) const;
    // After the write's outcome is known: what the description says follows.
    void written(const DedicatedWrite &w, bool wrote);
    std::vector<std::unique_ptr<QxSNMPRequest2Edits>> m_bindings;
    // Context of every notice the dialog connects; deleted first on destruction.
    std::unique_ptr<QObject> m_notices;
    TDialogMessages m_messages;
    ModalRunner m_modalRunner;
    std::function<bool()> m_refuseClose;
    QString m_refuseMessage;
    QObject *m_digitsOnly = nullptr;
    // Operations running (one inside the other), the wait depth when the
    // outermost began, and the event handlers held back meanwhile.
    int m_operations = 0;
    int m_operationWaitDepth = 0;
    struct HeldEvent
    {
        QPointer<QxSNMPRequest2Edits> binding;
        bool hadBinding;
        std::function<void()> handler;
    };
    QList<HeldEvent> m_heldEvents;
    void runHeldEvents();
    bool m_ready = false;
    bool m_reopened = false;
    bool m_closing = false;
    bool m_bindingsClosed = false;
};
