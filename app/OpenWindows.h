#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>

class QDialog;

// The dialogs open beside the main window, one per command: choosing a command
// whose dialog is open raises it instead of opening a second. Each dialog keeps
// its own bindings and close sequence and is destroyed once it has closed; while
// it is the active window, the switch's writes are journalled under its command.
class OpenWindows final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OpenWindows)
public:
    using Factory = std::function<std::unique_ptr<QDialog>()>;

    explicit OpenWindows(QObject *parent = nullptr) : QObject(parent) {}

    // The dialog open under `key`, raised; otherwise the one the factory builds
    // (null: nothing opens), shown beside the main window. `command` names the
    // dialog's writes in the journal. What the factory raises goes through.
    QDialog *show(const QString &key, const QString &command, const Factory &factory);
    QDialog *find(const QString &key) const;
    int count() const;

    // Closes every open dialog through its own close sequence; false when one
    // stays open (it asked and was told to stay).
    bool closeAll();
    // Destroys every dialog still open, without asking (the main window is
    // going; their destructors run their close sequences).
    void destroyAll();

signals:
    // A dialog opened by show() has closed.
    void closed(const QString &key);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QHash<QString, QPointer<QDialog>> m_open;
};
