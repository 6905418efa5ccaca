#pragma once

#include <memory>

class QDialog;
class QWidget;

// A dedicated dialog class as its folder registers it: the class name the
// command catalogue names, and how to make one. Each folder lists its classes
// in one array ended by an entry without a name.
struct DedicatedDialogEntry
{
    using Factory = std::unique_ptr<QDialog> (*)(QWidget *parent);

    const char *className;
    Factory factory;

    template <typename Dialog>
    static std::unique_ptr<QDialog> make(QWidget *parent)
    {
        return std::make_unique<Dialog>(parent);
    }
};
