#pragma once

class QPlainTextEdit;
class QString;

// The status memos of the dialogs are a few lines high: a long error wraps over
// more lines than they show. Each new text is scrolled to so that it shows from
// its first line (whole, when it fits), and the memo's tooltip holds it whole;
// the memo stays selectable and scrollable for the texts before it.
class QxStatusMemo final
{
public:
    static void append(QPlainTextEdit *memo, const QString &text);
};
