#pragma once

#include <QStringList>
#include <memory>

class QDialog;
class QWidget;

// The windows of their own the dialog driver opens by name (--window),
// beside the menu's dialogs: the port status table and the VLAN matrix.
class DriverViews final
{
public:
    // Their names, as their captions start.
    static QStringList names();
    // The window of that name (compared without regard to case) over the
    // owner, reading the process's default agent; null for another name.
    static std::unique_ptr<QDialog> open(const QString &name, QWidget *owner);
};
