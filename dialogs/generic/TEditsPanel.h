#pragma once

#include "binding/QxSNMPRequest2Edits.h"
#include "dialogs/generic/TDialogMessages.h"
#include "dialogs/generic/TCtrlBtnPanel.h"

#include <QColor>
#include <QFrame>
#include <QPointer>
#include <QTreeWidget> // the controller's list-view pointer needs the whole class
#include <QString>
#include <functional>
#include <vector>

class QCheckBox;
class QComboBox;
class QDialog;
class QLabel;
class QLineEdit;
class QScrollArea;

// One row per variable of the controller's list: a check box, the caption and
// a value control (an edit, or a drop-down list of the option texts). The
// ticked rows are the ones a write sends. The table page's add and edit dialogs
// borrow the same panel as their form.
class TEditsPanel : public QFrame
{
    Q_OBJECT
public:
    enum RowKind {
        EndRow = 0,
        ReadOnlyEdit = 1,       // not writable, no option list
        WritableEdit = 2,       // writable, no option list
        DropDown = 3,           // writable, with option list
        ReadOnlyOptionEdit = 4, // not writable, with option list (shows the option text)
    };

    struct Row
    {
        int kind = EndRow;
        QString format;
        QWidget *valueControl = nullptr;
        QCheckBox *checkBox = nullptr;
        QLabel *caption = nullptr;
        int portColumns = 0; // a port-list row: its window's grid
        int portCount = 0;
    };

    // NotSent: an item was empty or refused its check; nothing went out and
    // what the user typed is as it was.
    enum class WriteResult { Written, Failed, NotSent };

    static constexpr int DefaultValueWidth = 121;
    // The widest the value column grows to show a read value whole.
    static constexpr int MaxValueWidth = 320;
    // Texts longer than this (names, descriptions) may scroll in their edit.
    static constexpr int LongestSampledText = 16;
    static constexpr int CheckBoxWidth = 20;

    // Runs a modal window (the port-list window); returns its result.
    using DialogRunner = std::function<int(QDialog &)>;

    TEditsPanel(QWidget *parent, QxSNMPRequest2Edits *controller);
    ~TEditsPanel() override;

    QxSNMPRequest2Edits *controller() const { return m_controller; }

    // Sets the visible buttons of an editor page's bar (and remembers the bar
    // whose Set button the rows' check boxes update).
    virtual void ArrangeCtrlBtn(TCtrlBtnPanel *bar);
    TCtrlBtnPanel *ctrlBar() const { return m_bar; }
    void setCtrlBar(TCtrlBtnPanel *bar) { m_bar = bar; }

    int rowCount() const { return int(m_rows.size()); }
    const Row &row(int i) const { return m_rows.at(size_t(i)); }
    QLineEdit *edit(int i) const;
    QComboBox *comboBox(int i) const;
    QCheckBox *checkBox(int i) const;
    QString valueText(int i) const; // what the row's value control shows
    bool isTicked(int i) const;
    void setTicked(int i, bool ticked);
    // Writable and not a key column.
    bool isEditable(int i) const;
    bool anyEditable() const;

    void enableRow(int i);
    void disableRow(int i);
    void resetRows(bool defaultChecked);
    bool defaultChecked() const { return m_defaultChecked; }
    void hideRow(int i);
    void showRow(int i);
    // Empties every edit, every drop-down list's selection and every value text.
    void clearValues();

    // The size the laid-out rows need (the panel itself fills its place).
    QSize sizeHint() const override { return m_needed; }

    int valueWidth() const { return m_valueWidth; }
    void setValueWidth(int width);
    void layoutRows();
    // Widens the value column (never narrows it) so that every value shown
    // reads whole, up to MaxValueWidth.
    void fitValues();

    void setWarning(const QString &text, const QColor &colour, int pointSize);
    QLabel *warningLabel() const { return m_warning; }

    // Check All / Clear Checks on the rows whose check box is enabled, then the
    // Set button of the bar follows.
    void checkAll();
    void clearChecks();
    // Set Checked is enabled when a shown check box is ticked.
    void updateSetButton();

    // The user typed or chose a value in the row: it is ticked.
    void userChanged(int i);

    // Writes the ticked rows synchronously; rows not ticked are kept out of the
    // write and every mark and the controller's mode are as before afterwards.
    WriteResult writeTicked(bool refreshAfterWrite);
    // Why the last write that failed did not go through.
    const QString &lastFailure() const { return m_lastFailure; }

    // Replaces the binding of an edit row by one with the given input format.
    void setVarFormat(int i, const QString &format);
    // Turns an edit row into a port-list field edited in the port-list window.
    void makePortListRow(int i, int columns, int portCount);
    void openPortList(int i);
    void setPortListRunner(DialogRunner runner);

    void setMessages(const TDialogMessages &messages);
    const TDialogMessages &messages() const { return m_messages; }

signals:
    // The rows were laid out again (the size the panel asks for may differ).
    void rowsLaidOut();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString m_lastFailure;
    bool validIndex(int i);
    // The number message of the first ticked number row without a format of
    // its own whose text is no whole number of its type; empty when none.
    // Texts that pass go into the value texts as they are sent.
    QString refusedNumber();
    void setRowColours(const Row &r, bool enabled);
    bool checkBoxActive(const Row &r) const;

    QPointer<QxSNMPRequest2Edits> m_controller;
    QPointer<TCtrlBtnPanel> m_bar;
    std::vector<Row> m_rows;
    int m_valueWidth = DefaultValueWidth;
    QSize m_needed{0, 0};
    bool m_defaultChecked = false;
    QScrollArea *m_scrollBox = nullptr;
    QWidget *m_box = nullptr;
    QLabel *m_warning = nullptr;
    TDialogMessages m_messages;
    DialogRunner m_portListRunner;
};
