#pragma once

#include "binding/QxControllerHost.h"
#include "binding/QxSNMPRequest2Edits.h"
#include "dialogs/generic/TDialogMessages.h"
#include "snmp/QxSNMPError.h"
#include "snmp/QxDescriptorTable.h"

#include <QDialog>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QBoxLayout;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;
class TPortUitForm;

// What every dedicated dialog has in common, so that none repeats it:
// - bindings (QxSNMPRequest2Edits over a static descriptor table), built by the
//   dialog's creation handler through addBinding, owned here, asynchronous, with
//   the read-only memo Memo1 at the bottom of the dialog as their status output;
// - guarded operations: refreshBinding, applyBinding and guarded() catch what an
//   operation raises and write its text to Memo1 through the binding's status
//   output, so the dialog stays open and usable;
// - the "Samples" count of a list view, kept up to date as rows come and go;
// - notices (row selection, read and write completion, buttons) connected through
//   one context object that is cut off before the dialog is taken apart;
// - a ready flag that completion notices set, for dialogs that must not start a
//   second operation before the first has finished;
// - the close sequence: each binding in turn stops issuing requests, is waited
//   for while it reports a request in progress (never longer than its requests
//   can take), and is destroyed. It runs when the dialog closes, and at the latest
//   when it is destroyed.
//
// A dialog lays out its controls in body(), then runs its creation handler with
// runCreation(), which is guarded like every other operation. It keeps its
// bindings in QPointer members: they become null when the close sequence has
// destroyed them, and every operation here takes a null binding as "nothing to do".
class TDedicatedForm : public QDialog, public QxControllerHost
{
    Q_OBJECT

public:
    static constexpr int MemoHeight = 60;

    // The caption is the form's own until the menu command sets the window title.
    TDedicatedForm(QWidget *parent, const QString &formCaption);
    ~TDedicatedForm() override;

    QWidget *body() const { return m_body; }
    QPlainTextEdit *Memo1() const { return m_memo; }

    int bindingCount() const { return int(m_bindings.size()); }
    QxSNMPRequest2Edits *binding(int i) const;
    QList<QxSNMPRequest2Controls *> controllers() const override;

    // Message boxes of the dialog and of its bindings' edit constraints.
    void setMessages(const TDialogMessages &messages);
    const TDialogMessages &messages() const { return m_messages; }

    bool ready() const { return m_ready; }
    void setReady(bool ready) { m_ready = ready; }

    // Runs the close sequence before the dialog closes.
    void done(int result) override;
    void closeBindings();
    bool bindingsClosed() const { return m_bindingsClosed; }


protected:
    // A binding over a descriptor table, reporting to Memo1. Raises what the
    // variable list raises.
    QxSNMPRequest2Edits &addBinding(const QxDescriptorTable &table);
    // Binds one unit's 64 boxes to a port-list variable (box k = bit k = port k + 1).
    static void bindPortPicker(QxSNMPRequest2Edits &binding, int position, const TPortUitForm *picker);

    // Runs the dialog's creation handler, guarded.
    void runCreation(const std::function<void()> &handler);
    // Runs an operation; what it raises goes to Memo1 (through the binding's
    // status output when one is given). Returns whether it ran through.
    bool guarded(QxSNMPRequest2Edits *binding, const std::function<void()> &operation);
    // Re-reads (a table is walked row by row). Ignored while the binding is busy.
    bool refreshBinding(QxSNMPRequest2Edits *binding);
    // Takes the values from the bound controls and writes them with one SET
    // (an empty index list); a table is re-read afterwards when asked. Ignored
    // while the binding is busy.
    bool applyBinding(QxSNMPRequest2Edits *binding, bool refreshAfterWrite = true);
    // The same; `succeeded` runs once the write has gone through (for an
    // asynchronous binding, when its completion reports success). A check that
    // fails, an error raised and a refused or timed-out write leave what the
    // user typed as it was: only a successful write clears an editor.
    bool applyBinding(QxSNMPRequest2Edits *binding, bool refreshAfterWrite, const std::function<void()> &succeeded);

    // The label "Samples" and a sunken static text with the row count of the list
    // view, appended to the layout.
    QLabel *addSamplesCount(QBoxLayout *layout, const QString &objectName, QTreeWidget *listView);
    static void showCount(QLabel *count, const QTreeWidget *listView);

    // A static text in a sunken frame, as the dialogs show read-only values.
    static QLabel *sunkenText(const QString &objectName);
    // A page of the page control holding a port picker of unit 1 (28 ports).
    TPortUitForm *addPortPickerPage(QTabWidget *pages, const QString &pageCaption);
    QPushButton *addButton(QBoxLayout *layout, const QString &caption, const QString &objectName,
                           const std::function<void()> &click);

    // Called after the binding has copied the selected row into its controls;
    // the item is null when no row is selected any more.
    void onRowSelection(QTreeWidget *listView, const std::function<void(QTreeWidgetItem *selected)> &handler);
    void onReadDone(QxSNMPRequest2Edits *binding, const std::function<void(const QxSNMPError &)> &handler);
    void onWriteDone(QxSNMPRequest2Edits *binding, const std::function<void(const QxSNMPError &)> &handler);
    // The completion notice of a ready-flag dialog: sets the flag when a read
    // (and, if asked, a write) has finished, whatever its outcome, then runs `then`.
    void registerReadyNotice(QxSNMPRequest2Edits *binding, bool writesToo, const std::function<void()> &then = {});
    // Lets replies in until the ready flag is set or ms have passed.
    bool waitUntilReady(int ms);

    void inform(const QString &text);

private:
    QWidget *m_body;
    QPlainTextEdit *m_memo;
    std::vector<std::unique_ptr<QxSNMPRequest2Edits>> m_bindings;
    // Context of every notice the dialog connects; deleted first on destruction.
    std::unique_ptr<QObject> m_notices;
    TDialogMessages m_messages;
    bool m_ready = false;
    bool m_closing = false;
    bool m_bindingsClosed = false;
};
