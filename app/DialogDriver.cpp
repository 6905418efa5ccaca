#include "app/DialogDriver.h"

#include "app/DriverControls.h"
#include "binding/QxListFilter.h"
#include "binding/QxListView.h"
#include "app/DriverWindows.h"
#include "binding/QxControllerHost.h"
#include "binding/QxSNMPRequest2Controls.h"
#include "snmp/QxEventWait.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTreeWidget>

#include <algorithm>

namespace {

// The dialog's own first refresh is posted once it shows; dedicated dialogs
// start theirs while they are built.
constexpr int FirstReadSettleMs = 150;
// What an action's own events need before the next one looks at the dialog.
constexpr int ActionSettleMs = 30;

void key(QWidget *target, Qt::Key which, const QString &text = QString())
{
    QKeyEvent press(QEvent::KeyPress, which, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, which, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
}

void mouseClick(QWidget *target, const QPoint &at)
{
    const QPointF local(at);
    const QPointF global(target->mapToGlobal(at));
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &release);
}

// Where a user clicks to toggle a check box or radio button: its indicator.
QPoint indicatorOf(QAbstractButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    const QStyle::SubElement element = qobject_cast<QRadioButton *>(button) ? QStyle::SE_RadioButtonIndicator
                                                                            : QStyle::SE_CheckBoxIndicator;
    const QRect r = button->style()->subElementRect(element, &option, button);
    return r.isValid() ? r.center() : button->rect().center();
}

// Generic and dedicated dialogs both own their controllers.
QList<QxSNMPRequest2Controls *> controllersOf(const QDialog *dialog)
{
    const auto *host = dynamic_cast<const QxControllerHost *>(dialog);
    return host ? host->controllers() : QList<QxSNMPRequest2Controls *>();
}

void activate(QWidget *widget)
{
    QWidget *window = widget->window();
    window->activateWindow();
    QCoreApplication::processEvents();
}

} // namespace

DialogDriver::DialogDriver(QDialog &dialog, const QList<DriverAction> &actions, std::FILE *out)
    : m_dialog(&dialog), m_actions(actions), m_out(out), m_windows(std::make_unique<DriverWindows>(&dialog, out))
{
    m_ticks.setInterval(10);
    connect(&m_ticks, &QTimer::timeout, this, &DialogDriver::step);
}

DialogDriver::~DialogDriver() = default;

int DialogDriver::run()
{
    m_dialog->show();
    activate(m_dialog);
    m_since.start();
    m_sinceProgress.start();
    m_minimumMs = FirstReadSettleMs;
    m_ticks.start();
    m_loop.exec();
    return m_status;
}

void DialogDriver::print(const QString &line)
{
    std::fprintf(m_out, "%s\n", qPrintable(line));
    std::fflush(m_out);
}

bool DialogDriver::busy() const
{
    const QList<QxSNMPRequest2Controls *> all = controllersOf(m_dialog);
    return std::any_of(all.begin(), all.end(), [](const QxSNMPRequest2Controls *c) { return c->busy(); });
}

int DialogDriver::progress() const
{
    int rows = 0;
    for (const QxSNMPRequest2Controls *c : controllersOf(m_dialog))
        rows += c->rowCount() + (c->busy() ? 1 : 0);
    return rows;
}

int DialogDriver::waitLimitMs() const
{
    int limit = 0;
    for (const QxSNMPRequest2Controls *c : controllersOf(m_dialog))
        limit = std::max(limit, c->waitLimitMs());
    return limit;
}

bool DialogDriver::settled()
{
    if (!m_dialog)
        return true;
    if (m_since.elapsed() < m_minimumMs)
        return false;
    // An action still under way (a message box of its own, say) has not
    // settled, unless what keeps it going is a sub-dialog it opened.
    if (!m_bodyDone && m_windows->subDialogsOpened() == m_openedAtStart)
        return false;
    // A long walk is waited for as long as rows keep coming.
    const int now = progress();
    if (now != m_lastProgress) {
        m_lastProgress = now;
        m_sinceProgress.restart();
    }
    return !busy() || m_sinceProgress.elapsed() >= waitLimitMs();
}

void DialogDriver::step()
{
    // An action waits for whatever the module is waiting for, as user input does.
    if (m_phase == Phase::Done || QxEventWait::depth() > 0 || !settled())
        return;
    if (!m_dialog) {
        finish();
        return;
    }
    if (m_phase == Phase::FirstReads) {
        m_phase = Phase::Actions;
        if (m_printTree)
            for (const QString &line : DriverControls::tree(m_dialog))
                print(line);
    }
    if (m_status != 0 || m_next >= m_actions.size()) {
        finish();
        return;
    }
    start(m_actions.at(m_next++));
}

QWidget *DialogDriver::control(const QString &path) const
{
    if (QDialog *sub = m_windows->topmostSubDialog())
        if (QWidget *found = DriverControls::find(sub, path))
            return found;
    return m_dialog ? DriverControls::find(m_dialog, path) : nullptr;
}

bool DialogDriver::fail(const QString &text)
{
    std::fprintf(stderr, "%s\n", qPrintable(text));
    m_status = NoControlStatus;
    return false;
}

void DialogDriver::start(const DriverAction &action)
{
    m_since.restart();
    m_sinceProgress.restart();
    m_minimumMs = ActionSettleMs;
    switch (action.kind) {
    case DriverAction::Kind::Wait:
        m_minimumMs = qint64(action.value.toDouble() * 1000);
        return;
    case DriverAction::Kind::Answer:
        m_windows->setAnswerYes(action.value == QLatin1String("yes"));
        return;
    case DriverAction::Kind::Show:
        if (const QWidget *target = control(action.control)) {
            for (const QString &line : DriverControls::show(target, action.control))
                print(line);
        } else {
            fail(QStringLiteral("no control named %1").arg(action.control));
        }
        return;
    case DriverAction::Kind::Close:
        if (QDialog *sub = m_windows->topmostSubDialog())
            QTimer::singleShot(0, sub, &QDialog::reject);
        else
            fail(QStringLiteral("no sub-dialog is open to close"));
        return;
    default:
        break;
    }
    if (!control(action.control)) {
        fail(QStringLiteral("no control named %1").arg(action.control));
        return;
    }
    // The body runs from the event loop: when it opens a modal sub-dialog, the
    // next actions go on inside that dialog's loop.
    m_bodyDone = false;
    m_openedAtStart = m_windows->subDialogsOpened();
    QTimer::singleShot(0, this, [this, action] {
        perform(action);
        m_bodyDone = true;
    });
}

void DialogDriver::perform(const DriverAction &action)
{
    QWidget *target = control(action.control);
    if (!target) {
        fail(QStringLiteral("no control named %1").arg(action.control));
        return;
    }
    switch (action.kind) {
    case DriverAction::Kind::Type:
        type(target, action.value);
        break;
    case DriverAction::Kind::Choose:
        choose(target, action.value, action.control);
        break;
    case DriverAction::Kind::Tick:
        tick(target, action.value == QLatin1String("1"));
        break;
    case DriverAction::Kind::Click:
        click(target);
        break;
    case DriverAction::Kind::Select:
        select(target, action.value, action.control);
        break;
    case DriverAction::Kind::Cell:
        cell(target, action.cellRow(), action.cellColumn(), action.control);
        break;
    case DriverAction::Kind::Sort:
        sort(target, action);
        break;
    case DriverAction::Kind::Filter:
        filter(target, action.value, action.control);
        break;
    default:
        break;
    }
}

void DialogDriver::type(QWidget *target, const QString &text)
{
    auto *edit = qobject_cast<QLineEdit *>(target);
    if (auto *combo = qobject_cast<QComboBox *>(target); combo && combo->isEditable())
        edit = combo->lineEdit();
    if (!edit) {
        fail(QStringLiteral("%1 is no edit").arg(target->objectName()));
        return;
    }
    activate(edit);
    edit->setFocus(Qt::TabFocusReason);
    edit->selectAll();
    if (text.isEmpty())
        key(edit, Qt::Key_Backspace);
    for (const QChar c : text)
        key(edit, Qt::Key_unknown, QString(c));
    // Moving on is what runs the edit's exit check.
    key(edit, Qt::Key_Tab);
}

void DialogDriver::choose(QWidget *target, const QString &text, const QString &path)
{
    if (auto *combo = qobject_cast<QComboBox *>(target)) {
        int index = combo->findText(text);
        for (int i = 0; index < 0 && i < combo->count(); ++i)
            if (combo->itemText(i).trimmed() == text.trimmed())
                index = i;
        if (index < 0) {
            fail(QStringLiteral("%1 offers no \"%2\"").arg(path, text));
            return;
        }
        activate(combo);
        combo->setFocus(Qt::MouseFocusReason);
        combo->setCurrentIndex(index);
        // What a pick from the list reports, besides the change itself.
        emit combo->activated(index);
        emit combo->textActivated(combo->itemText(index));
        return;
    }
    QList<QAbstractButton *> buttons = target->findChildren<QAbstractButton *>();
    if (auto *self = qobject_cast<QAbstractButton *>(target))
        buttons.prepend(self);
    for (QAbstractButton *b : buttons) {
        if (qobject_cast<QRadioButton *>(b) && DriverControls::caption(b) == text.trimmed()) {
            if (!b->isChecked())
                mouseClick(b, indicatorOf(b));
            return;
        }
    }
    fail(QStringLiteral("%1 offers no \"%2\"").arg(path, text));
}

void DialogDriver::tick(QWidget *target, bool on)
{
    auto *box = qobject_cast<QAbstractButton *>(target);
    if (!box || !box->isCheckable()) {
        fail(QStringLiteral("%1 is no check box").arg(target->objectName()));
        return;
    }
    // A box that ignores the mouse (disabled, or only showing a value) stays as it is.
    if (box->isChecked() != on)
        mouseClick(box, indicatorOf(box));
}

void DialogDriver::click(QWidget *target)
{
    if (auto *button = qobject_cast<QAbstractButton *>(target)) {
        button->click();
        return;
    }
    mouseClick(target, target->rect().center());
}

void DialogDriver::select(QWidget *target, const QString &row, const QString &path)
{
    auto *list = qobject_cast<QTreeWidget *>(target);
    if (!list) {
        fail(QStringLiteral("%1 is no list").arg(path));
        return;
    }
    // Rows as the user sees them: a filter's hidden ones are not there.
    const QList<QTreeWidgetItem *> shown = DriverControls::shownRows(*list);
    QTreeWidgetItem *item = nullptr;
    if (row.startsWith(QLatin1Char('#'))) {
        item = shown.value(row.mid(1).toInt());
    } else if (row != QLatin1String("-")) {
        for (QTreeWidgetItem *candidate : shown)
            if (!item && candidate->text(0).trimmed() == row.trimmed())
                item = candidate;
    }
    if (!item && row != QLatin1String("-")) {
        fail(QStringLiteral("%1 has no row %2").arg(path, row));
        return;
    }
    QWidget *viewport = list->viewport();
    if (item) {
        list->scrollToItem(item);
        const QRect r = list->visualItemRect(item);
        mouseClick(viewport, QPoint(std::clamp(viewport->width() / 2, r.left() + 1, std::max(r.left() + 1, r.right() - 1)),
                                    r.center().y()));
        return;
    }
    // No row: a click on the empty space below the rows, as a user deselects.
    const int below = shown.isEmpty() ? 4 : list->visualItemRect(shown.last()).bottom() + 4;
    if (below < viewport->height())
        mouseClick(viewport, QPoint(viewport->width() / 2, below));
    if (!list->selectedItems().isEmpty())
        list->clearSelection();
}

void DialogDriver::cell(QWidget *target, int row, int column, const QString &path)
{
    auto *view = qobject_cast<QAbstractItemView *>(target);
    const QModelIndex index = view && view->model() ? view->model()->index(row, column) : QModelIndex();
    if (!index.isValid()) {
        fail(view ? QStringLiteral("%1 has no cell %2,%3").arg(path).arg(row).arg(column)
                  : QStringLiteral("%1 is no list").arg(path));
        return;
    }
    activate(view);
    view->scrollTo(index);
    mouseClick(view->viewport(), view->visualRect(index).center());
}

void DialogDriver::sort(QWidget *target, const DriverAction &action)
{
    auto *list = qobject_cast<QxListView *>(target);
    if (!list || !list->userSortable()) {
        fail(QStringLiteral("%1 is no list that sorts").arg(action.control));
        return;
    }
    const QString wanted = action.sortColumn();
    bool isNumber = false;
    int column = wanted.toInt(&isNumber);
    if (!isNumber) {
        column = -1;
        for (int c = 0; c < list->columnCount() && column < 0; ++c)
            if (list->headerItem()->text(c).trimmed() == wanted.trimmed())
                column = c;
    }
    if (column < 0 || column >= list->columnCount()) {
        fail(QStringLiteral("%1 has no column %2").arg(action.control, wanted));
        return;
    }
    activate(list);
    list->sortAsClicked(column, action.sortDescending() ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void DialogDriver::filter(QWidget *target, const QString &text, const QString &path)
{
    auto *list = qobject_cast<QTreeWidget *>(target);
    QxListFilter *found = nullptr;
    if (list && m_dialog)
        for (QxListFilter *f : m_dialog->window()->findChildren<QxListFilter *>())
            if (f->list() == list)
                found = f;
    if (!found) {
        fail(QStringLiteral("%1 is no list with a filter").arg(path));
        return;
    }
    type(found->field(), text);
}

void DialogDriver::closeSubDialogs()
{
    while (QDialog *sub = m_windows->topmostSubDialog()) {
        sub->reject();
        sub->hide();
    }
}

void DialogDriver::finish()
{
    m_phase = Phase::Done;
    m_ticks.stop();
    if (m_dialog) {
        for (const QString &text : DriverControls::statusTexts(m_dialog))
            print(QStringLiteral("status: ") + text);
        if (!m_grabFile.isEmpty() && !m_dialog->grab().save(m_grabFile))
            std::fprintf(stderr, "cannot save %s\n", qPrintable(m_grabFile));
    }
    closeSubDialogs();
    m_loop.quit();
}
