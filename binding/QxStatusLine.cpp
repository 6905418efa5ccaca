#include "binding/QxStatusLine.h"

#include "snmp/QxMessageCatalogue.h"
#include "snmp/QxNetSnmpStatus.h"

#include <QApplication>
#include <QColor>
#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace {

constexpr int FailedBlock = 1;
constexpr int IconGap = 4;
const char kIconName[] = "StatusIcon";
const char kFailedProperty[] = "statusFailed";

int iconSize(const QWidget *w)
{
    return w->fontMetrics().height();
}

QPixmap failureIcon(const QWidget *w)
{
    const QStyle *style = w->style() ? w->style() : QApplication::style();
    return style->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(iconSize(w));
}

// Draws the failure icon before each failed text of a memo, in the margin
// those texts leave: over the memo's text area, taking no input.
class MemoIcons final : public QWidget
{
public:
    explicit MemoIcons(QPlainTextEdit *memo) : QWidget(memo->viewport()), m_memo(memo)
    {
        setObjectName(QString::fromLatin1(kIconName));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        resize(memo->viewport()->size());
        memo->viewport()->installEventFilter(this);
        connect(memo, &QPlainTextEdit::updateRequest, this, [this] { update(); });
        show();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == parent() && event->type() == QEvent::Resize)
            resize(static_cast<QWidget *>(watched)->size());
        return false;
    }

    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const QPixmap icon = failureIcon(m_memo);
        for (QTextBlock b = m_memo->document()->begin(); b.isValid(); b = b.next()) {
            if (b.userState() != FailedBlock)
                continue;
            const QRect at = m_memo->cursorRect(QTextCursor(b));
            if (at.bottom() < 0 || at.top() > height())
                continue;
            painter.drawPixmap(at.left() - icon.width() / icon.devicePixelRatio() - IconGap / 2, at.top(), icon);
        }
    }

private:
    QPlainTextEdit *m_memo;
};

} // namespace

QColor QxStatusLine::failureColour()
{
    return QColor(0xB0, 0x00, 0x20);
}

void QxStatusLine::append(QPlainTextEdit *memo, const QString &text, Outcome outcome)
{
    if (!memo)
        return;
    const bool failed = outcome == Outcome::Failed;
    memo->appendPlainText(text);
    memo->setToolTip(text);
    const QTextBlock newest = memo->document()->lastBlock();
    // Each text has its own look: a plain one does not take a failure's.
    QTextCursor cursor(newest);
    QTextBlockFormat block;
    block.setLeftMargin(failed ? iconSize(memo) + IconGap : 0);
    cursor.setBlockFormat(block);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    QTextCharFormat chars;
    chars.setForeground(failed ? QBrush(failureColour()) : memo->palette().text());
    cursor.setCharFormat(chars);
    QTextBlock marked = newest;
    marked.setUserState(failed ? FailedBlock : 0);
    memo->setProperty(kFailedProperty, failed);
    if (failed && !memo->viewport()->findChild<MemoIcons *>())
        new MemoIcons(memo);
    // The scroll bar counts laid-out lines: putting the newest text's first
    // line on top shows as much of it as fits, and all of it when it fits,
    // since the bar never goes past the last line.
    QScrollBar *bar = memo->verticalScrollBar();
    bar->setValue(std::min(bar->maximum(), newest.firstLineNumber()));
}

void QxStatusLine::show(QLabel *panel, const QString &text, Outcome outcome)
{
    if (!panel)
        return;
    const bool failed = outcome == Outcome::Failed;
    panel->setText(text);
    panel->setToolTip(text);
    panel->setProperty(kFailedProperty, failed);
    auto *icon = panel->findChild<QLabel *>(QString::fromLatin1(kIconName), Qt::FindDirectChildrenOnly);
    if (failed && !icon) {
        icon = new QLabel(panel);
        icon->setObjectName(QString::fromLatin1(kIconName));
    }
    if (icon) {
        icon->setPixmap(failureIcon(panel));
        icon->adjustSize();
        icon->move(0, std::max(0, (panel->height() - icon->height()) / 2));
        icon->setVisible(failed);
    }
    panel->setContentsMargins(failed ? iconSize(panel) + IconGap : 0, 0, 0, 0);
    panel->setStyleSheet(failed ? QStringLiteral("color: %1").arg(failureColour().name()) : QString());
}

void QxStatusLine::show(QStatusBar *bar, const QString &text, Outcome outcome)
{
    if (!bar)
        return;
    const bool failed = outcome == Outcome::Failed;
    bar->setProperty(kFailedProperty, failed);
    bar->setStyleSheet(failed ? QStringLiteral("QStatusBar { color: %1 }").arg(failureColour().name()) : QString());
    bar->showMessage(failed ? QStringLiteral("\u26A0 ") + text : text);
}

bool QxStatusLine::showsFailure(const QWidget *target)
{
    return target && target->property(kFailedProperty).toBool();
}

QString QxStatusLine::requestLine(int templateIndex, const QString &outcomeText, const QString &listName)
{
    const QxMessageCatalogue &catalogue = QxMessageCatalogue::instance();
    QString line = catalogue.expandStatus(templateIndex, outcomeText, listName);
    // A request that timed out received nothing: the line says so.
    if (outcomeText == catalogue.mapLibraryStatus(QxNetSnmpStatus::Timeout).text)
        line.replace(QStringLiteral("Receive at"), QStringLiteral("No answer at"));
    return line;
}

QxStatusLine::Outcome QxStatusLine::outcomeOf(const QString &outcomeText)
{
    return outcomeText == QxMessageCatalogue::instance().frameworkText(0) ? Outcome::Plain : Outcome::Failed;
}
