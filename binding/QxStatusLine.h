#pragma once

class QColor;
class QLabel;
class QPlainTextEdit;
class QStatusBar;
class QString;
class QWidget;

// Where a dialog reports what its reads and writes came to: a memo a few
// lines high, one panel of a status bar, or a status bar. Success shows
// plainly; a failure is seen at a glance, in a colour of its own with an icon
// beside it; the text itself is the catalogue's, as it is.
//
// In a memo each new text is scrolled to so that it shows from its first line
// (whole, when it fits), and the memo's tooltip holds it whole; the memo stays
// selectable and scrollable for the texts before it.
class QxStatusLine final
{
public:
    enum class Outcome { Plain, Failed };

    static void append(QPlainTextEdit *memo, const QString &text, Outcome outcome = Outcome::Plain);
    static void show(QLabel *panel, const QString &text, Outcome outcome = Outcome::Plain);
    static void show(QStatusBar *bar, const QString &text, Outcome outcome = Outcome::Plain);

    // The line a request's outcome shows: the catalogue's status template (0
    // a read, 1 a write) expanded with the outcome's text and the list name,
    // and whether that text tells a failure.
    static QString requestLine(int templateIndex, const QString &outcomeText, const QString &listName);
    static Outcome outcomeOf(const QString &outcomeText);

    // Whether the newest text of a memo or panel is a failure's.
    static bool showsFailure(const QWidget *target);
    static QColor failureColour();
};
