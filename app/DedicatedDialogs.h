#pragma once

#include <QString>
#include <memory>

class QDialog;
class QWidget;

// The dedicated dialog classes the catalogue names, by class name.
class DedicatedDialogs
{
public:
    using Factory = std::unique_ptr<QDialog> (*)(QWidget *parent);

    // The factory of a dialog class, or null when this build has no such class.
    static Factory find(const QString &className);
};
