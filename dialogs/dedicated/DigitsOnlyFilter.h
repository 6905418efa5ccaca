#pragma once

#include <QObject>

// A key filter for unit and port edits: only the digits 0-9 and Backspace are
// typed; any other character is dropped with a warning beep. Keys that type
// nothing (Tab, Enter, Escape, the arrows) keep their meaning.
class DigitsOnlyFilter final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DigitsOnlyFilter)

public:
    explicit DigitsOnlyFilter(QObject *parent) : QObject(parent) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
