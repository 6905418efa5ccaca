#include "app/DriverControls.h"

#include "app/MenuMnemonics.h"
#include "binding/QxPrintedRows.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTreeWidget>

#include <algorithm>

namespace {

// "&Add" and "Add " name the same button as "Add"; "&&" is a literal "&".
QString plain(const QString &caption)
{
    return MenuMnemonics::plain(caption).trimmed();
}

QString oneLine(QString text)
{
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

// Where a widget comes in its window's tab order (every widget is in the chain).
int tabPosition(const QWidget *widget)
{
    const QWidget *window = widget->window();
    int position = 0;
    for (const QWidget *w = window; w; w = w->nextInFocusChain()) {
        if (w == widget)
            return position;
        ++position;
        if (w->nextInFocusChain() == window)
            break;
    }
    return position + 1;
}

// What the driver shows as the value of a widget that has one.
QString valueOf(const QWidget *widget)
{
    if (const auto *edit = qobject_cast<const QLineEdit *>(widget))
        return edit->text();
    if (const auto *box = qobject_cast<const QAbstractButton *>(widget); box && box->isCheckable())
        return box->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (const auto *combo = qobject_cast<const QComboBox *>(widget))
        return combo->currentText();
    if (const auto *memo = qobject_cast<const QPlainTextEdit *>(widget))
        return oneLine(memo->toPlainText());
    if (const auto *group = qobject_cast<const QGroupBox *>(widget)) {
        // A radio group shows its chosen button.
        for (const QAbstractButton *b : group->findChildren<QAbstractButton *>())
            if (b->isCheckable() && b->isChecked())
                return plain(b->text());
        return QString();
    }
    return DriverControls::caption(widget);
}

} // namespace

QString DriverControls::caption(const QWidget *widget)
{
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return plain(button->text());
    if (const auto *group = qobject_cast<const QGroupBox *>(widget))
        return plain(group->title());
    // A page of a page control is named by its tab (its parent is the
    // control's page stack).
    const QWidget *stack = widget->parentWidget();
    if (const auto *pages = stack ? qobject_cast<const QTabWidget *>(stack->parentWidget()) : nullptr) {
        const int index = pages->indexOf(const_cast<QWidget *>(widget));
        if (index >= 0)
            return plain(pages->tabText(index));
    }
    return QString();
}

QList<QWidget *> DriverControls::named(QWidget *parent, const QString &name)
{
    const QString wanted = plain(name);
    const QList<QWidget *> all = parent->findChildren<QWidget *>();
    QList<QWidget *> found;
    for (QWidget *w : all)
        if (w->objectName() == name)
            found << w;
    if (found.isEmpty()) {
        for (QWidget *w : all)
            if (!wanted.isEmpty() && caption(w) == wanted)
                found << w;
    }
    std::stable_sort(found.begin(), found.end(), [](const QWidget *a, const QWidget *b) {
        if (a->isVisible() != b->isVisible())
            return a->isVisible();
        return tabPosition(a) < tabPosition(b);
    });
    return found;
}

QWidget *DriverControls::find(QWidget *root, const QString &path)
{
    QWidget *at = root;
    for (const QString &name : path.split(QLatin1Char('/'))) {
        const QList<QWidget *> found = named(at, name);
        if (found.isEmpty())
            return nullptr;
        at = found.first();
    }
    return at;
}

QList<QTreeWidgetItem *> DriverControls::shownRows(const QTreeWidget &list)
{
    QList<QTreeWidgetItem *> rows;
    for (int i = 0; i < list.topLevelItemCount(); ++i)
        if (!list.topLevelItem(i)->isHidden())
            rows << list.topLevelItem(i);
    return rows;
}

QStringList DriverControls::show(const QWidget *widget, const QString &name)
{
    const auto *list = qobject_cast<const QTreeWidget *>(widget);
    if (!list)
        return {name + QLatin1Char('=') + valueOf(widget)};
    // The rows as shown: in their order, without the ones a filter hides.
    const QList<QTreeWidgetItem *> rows = shownRows(*list);
    const QTreeWidgetItem *selected = list->selectedItems().isEmpty() ? nullptr : list->selectedItems().first();
    QStringList lines{QStringLiteral("%1=rows %2 selected %3")
                          .arg(name)
                          .arg(rows.size())
                          .arg(selected ? rows.indexOf(selected) : -1)};
    // A list that reads differently as text than cell by cell says how.
    const auto *printed = dynamic_cast<const QxPrintedRows *>(list);
    for (qsizetype i = 0; i < rows.size(); ++i) {
        QStringList cells;
        if (printed) {
            cells = printed->printedRow(list->indexOfTopLevelItem(rows[i]));
        } else {
            for (int c = 0; c < list->columnCount(); ++c)
                cells << rows[i]->text(c);
        }
        lines << QStringLiteral("%1[%2]: %3").arg(name).arg(i).arg(cells.join(QLatin1Char('\t')));
    }
    return lines;
}

QStringList DriverControls::tree(QWidget *root)
{
    QStringList lines;
    const auto walk = [&lines](const auto &self, QWidget *w, int depth) -> void {
        QString text = caption(w);
        if (text.isEmpty() && !qobject_cast<const QTreeWidget *>(w) && !qobject_cast<const QPlainTextEdit *>(w))
            text = valueOf(w);
        lines << QStringLiteral("%1 %2 %3 \"%4\" %5 %6")
                     .arg(depth)
                     .arg(QString::fromLatin1(w->metaObject()->className()),
                          w->objectName().isEmpty() ? QStringLiteral("-") : w->objectName(), oneLine(text),
                          w->isEnabled() ? QStringLiteral("enabled") : QStringLiteral("disabled"),
                          w->isVisible() ? QStringLiteral("visible") : QStringLiteral("hidden"));
        for (QObject *child : w->children())
            if (auto *cw = qobject_cast<QWidget *>(child); cw && !cw->isWindow())
                self(self, cw, depth + 1);
    };
    walk(walk, root, 0);
    return lines;
}

QStringList DriverControls::statusTexts(QWidget *root)
{
    QStringList texts;
    for (const QPlainTextEdit *memo : root->findChildren<QPlainTextEdit *>()) {
        if (!memo->isReadOnly() || (memo->objectName() != QLatin1String("Memo1")
                                    && memo->objectName() != QLatin1String("Memo")))
            continue;
        for (QTextBlock b = memo->document()->firstBlock(); b.isValid(); b = b.next())
            if (!b.text().isEmpty())
                texts << b.text();
    }
    for (const QStatusBar *bar : root->findChildren<QStatusBar *>()) {
        if (!bar->currentMessage().isEmpty())
            texts << bar->currentMessage();
        for (const QLabel *label : bar->findChildren<QLabel *>())
            if (!label->text().isEmpty())
                texts << label->text();
    }
    return texts;
}
