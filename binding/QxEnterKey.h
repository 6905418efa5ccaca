#pragma once

#include <QObject>

class QDialog;
class QPushButton;
class QWidget;

// Enter in a dialog presses its default button: the first shown, enabled one
// of "Set Checked", "Set" and "Add" (an add window has only the last). A
// focused push button is pressed itself; in a multi-line control or a list
// Enter keeps its own meaning. Escape is left to the dialog (it closes).
class QxEnterKey final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QxEnterKey)
public:
    // Watches the dialog's keys; the dialog owns the watcher.
    static void install(QDialog *dialog);

    // Enter in this control is its own (a list's filter field): it presses
    // no button of the dialog.
    static void keepEnter(QWidget *control);

    // The button Enter presses in `dialog` now, or null.
    static QPushButton *defaultButton(const QDialog &dialog);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit QxEnterKey(QDialog *dialog);
};
