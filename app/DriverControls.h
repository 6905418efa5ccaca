#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

// How the dialog driver names the controls of a dialog. A path is names joined
// by "/", each searched among the descendants of the widget the one before
// found. A name is a widget's object name, or else the caption of a button,
// check box, radio button, group box or page (without surrounding blanks and
// accelerator marks). Of several widgets with the name, the first visible one
// in tab order is taken.
class DriverControls final
{
public:
    // The widget the path names below root, or null.
    static QWidget *find(QWidget *root, const QString &path);
    // What a user reads as the widget's caption (buttons, group boxes, pages).
    static QString caption(const QWidget *widget);
    // "CTRL=value" for an edit, label, drop-down list or check box; for a list
    // view "CTRL=rows N selected K" and a line "CTRL[i]: cells" per row.
    static QStringList show(const QWidget *widget, const QString &name);
    // A list's rows as the user sees them, in their order (a filter's hidden ones left out).
    static QList<QTreeWidgetItem *> shownRows(const QTreeWidget &list);
    // One line per widget below root: depth, class, object name, caption or
    // text, enabled/disabled and visible/hidden.
    static QStringList tree(QWidget *root);
    // Every text the window's status outputs hold, oldest first: its status
    // memos' lines, its status bars.
    static QStringList statusTexts(QWidget *root);

private:
    static QList<QWidget *> named(QWidget *parent, const QString &name);
};
