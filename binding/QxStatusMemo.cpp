#include "binding/QxStatusMemo.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>

void QxStatusMemo::append(QPlainTextEdit *memo, const QString &text)
{
    if (!memo)
        return;
    memo->appendPlainText(text);
    memo->setToolTip(text);
    // The scroll bar counts laid-out lines: putting the newest text's first
    // line on top shows as much of it as fits, and all of it when it fits,
    // since the bar never goes past the last line.
    const QTextBlock newest = memo->document()->lastBlock();
    QScrollBar *bar = memo->verticalScrollBar();
    bar->setValue(std::min(bar->maximum(), newest.firstLineNumber()));
}
