#include "dialogs/generic/TEditsPanel.h"

#include "binding/InvalidColumns.h"
#include "binding/QxSNMPRequest2Edits.h"
#include "binding/SynchronousMode.h"
#include "dialogs/generic/TCtrlBtnPanel.h"
#include "dialogs/generic/TPanelUsageError.h"
#include "dialogs/generic/TPortListForm.h"
#include "format/QxEditFormat.h"
#include "snmp/QxSNMPException.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>

namespace {

constexpr int kTopMargin = 20;
constexpr int kLeftMargin = 20;
constexpr int kGap = 5;
constexpr int kRowGap = 5;
constexpr int kMinValueHeight = 20;
constexpr int kRaisedValueHeight = 21;
constexpr int kOuterMargin = 40;
constexpr int kWarningLeft = 20;
constexpr int kWarningRise = 15;

const char kRowTag[] = "tag";

QString errorText(const std::exception &e)
{
    if (const auto *snmp = dynamic_cast<const QxSNMPException *>(&e))
        return snmp->text();
    return QString::fromUtf8(e.what());
}

} // namespace

TEditsPanel::TEditsPanel(QWidget *parent, QxSNMPRequest2Edits *controller)
    : QFrame(parent), m_controller(controller), m_messages(TDialogMessages::standard())
{
    setObjectName(QStringLiteral("EditsPanel"));
    m_scrollBox = new QScrollArea(this);
    m_scrollBox->setObjectName(QStringLiteral("ScrollBox"));
    m_scrollBox->setFrameShape(QFrame::NoFrame);
    m_scrollBox->setWidgetResizable(true);
    m_box = new QWidget;
    m_box->setObjectName(QStringLiteral("ScrollBoxContents"));
    m_scrollBox->setWidget(m_box);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scrollBox);

    if (m_controller) {
        QxSNMPVarList &list = m_controller->varList();
        for (int i = 0; i < list.count(); ++i) {
            Row r;
            const bool writable = list.isWritable(i);
            const bool options = list.item(i).optionList != nullptr;
            r.kind = writable ? (options ? DropDown : WritableEdit) : (options ? ReadOnlyOptionEdit : ReadOnlyEdit);
            r.format = QStringLiteral("%s");

            r.checkBox = new QCheckBox(m_box);
            r.checkBox->setObjectName(QStringLiteral("CheckBox%1").arg(i));
            r.checkBox->setFixedWidth(CheckBoxWidth);
            r.checkBox->setFocusPolicy(Qt::ClickFocus);
            r.checkBox->setProperty(kRowTag, i);
            connect(r.checkBox, &QCheckBox::clicked, this, &TEditsPanel::updateSetButton);

            r.caption = new QLabel(list.item(i).caption, m_box);
            r.caption->setObjectName(QStringLiteral("Caption%1").arg(i));
            r.caption->setProperty(kRowTag, i);
            r.caption->adjustSize();

            if (r.kind == DropDown) {
                auto *combo = new QComboBox(m_box);
                combo->setObjectName(QStringLiteral("Value%1").arg(i));
                r.valueControl = combo;
                m_rows.push_back(r);
                m_controller->bindDropDownList(i, combo);
                connect(combo, &QComboBox::activated, this, [this, i] { userChanged(i); });
            } else {
                auto *edit = new QLineEdit(m_box);
                edit->setObjectName(QStringLiteral("Value%1").arg(i));
                // A value longer than its box reads from its beginning (an engine
                // ID, a date), and whole in the box's tooltip.
                connect(edit, &QLineEdit::textChanged, edit, [edit](const QString &text) {
                    if (!edit->hasFocus())
                        edit->setCursorPosition(0);
                    edit->setToolTip(text);
                });
                r.valueControl = edit;
                m_rows.push_back(r);
                m_controller->bindFormatted(i, r.format, edit);
                connect(edit, &QLineEdit::textEdited, this, [this, i] { userChanged(i); });
            }
            r.valueControl->setProperty(kRowTag, i);
        }
    }
    resetRows(false);
    if (m_controller)
        connect(m_controller, &QxSNMPRequest2Controls::readDone, this, [this] { fitValues(); });
    m_warning = new QLabel(m_box);
    m_warning->setObjectName(QStringLiteral("WarningLabel"));
    m_warning->hide();
    layoutRows();
}

TEditsPanel::~TEditsPanel() = default;

void TEditsPanel::setMessages(const TDialogMessages &messages)
{
    m_messages = messages.completed();
}

void TEditsPanel::setPortListRunner(DialogRunner runner)
{
    m_portListRunner = std::move(runner);
}

QLineEdit *TEditsPanel::edit(int i) const
{
    return i >= 0 && i < rowCount() ? qobject_cast<QLineEdit *>(m_rows[size_t(i)].valueControl) : nullptr;
}

QComboBox *TEditsPanel::comboBox(int i) const
{
    return i >= 0 && i < rowCount() ? qobject_cast<QComboBox *>(m_rows[size_t(i)].valueControl) : nullptr;
}

QCheckBox *TEditsPanel::checkBox(int i) const
{
    return i >= 0 && i < rowCount() ? m_rows[size_t(i)].checkBox : nullptr;
}

QString TEditsPanel::valueText(int i) const
{
    if (QLineEdit *e = edit(i))
        return e->text();
    if (QComboBox *c = comboBox(i))
        return c->currentText();
    return QString();
}

bool TEditsPanel::isTicked(int i) const
{
    QCheckBox *box = checkBox(i);
    return box && box->isChecked();
}

void TEditsPanel::setTicked(int i, bool ticked)
{
    if (QCheckBox *box = checkBox(i))
        box->setChecked(ticked);
}

bool TEditsPanel::isEditable(int i) const
{
    if (!m_controller || i < 0 || i >= rowCount())
        return false;
    const QxSNMPVarList &list = m_controller->varList();
    return i < list.count() && list.isWritable(i) && i >= list.keyCount();
}

bool TEditsPanel::anyEditable() const
{
    for (int i = 0; i < rowCount(); ++i)
        if (isEditable(i))
            return true;
    return false;
}

bool TEditsPanel::checkBoxActive(const Row &r) const
{
    return r.checkBox && !r.checkBox->isHidden() && r.checkBox->isEnabledTo(this);
}

// ---------------------------------------------------------------- row states

bool TEditsPanel::validIndex(int i)
{
    // Three controls per row: the panel's own count of rows.
    const int rows = rowCount();
    if (i >= 0 && i < rows)
        return true;
    m_messages.inform(this, QStringLiteral("aIdx is overtop!\n you may define < %1").arg(rows));
    return false;
}

void TEditsPanel::setRowColours(const Row &r, bool enabled)
{
    if (!r.valueControl)
        return;
    QPalette palette = r.valueControl->palette();
    const QColor background = enabled ? QColor(Qt::white) : this->palette().color(QPalette::Button);
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::ButtonText, Qt::black);
    palette.setColor(QPalette::Button, background);
    r.valueControl->setPalette(palette);
}

void TEditsPanel::disableRow(int i)
{
    if (!validIndex(i))
        return;
    const Row &r = m_rows[size_t(i)];
    r.checkBox->setEnabled(false);
    r.checkBox->hide();
    r.checkBox->setChecked(false);
    if (auto *e = qobject_cast<QLineEdit *>(r.valueControl)) {
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::ClickFocus);
    } else if (r.valueControl) {
        r.valueControl->setEnabled(false);
    }
    setRowColours(r, false);
}

void TEditsPanel::enableRow(int i)
{
    if (!validIndex(i))
        return;
    const Row &r = m_rows[size_t(i)];
    r.checkBox->setEnabled(true);
    r.checkBox->setVisible(!m_controller || !m_controller->varList().item(i).has(QxAccess::hidden));
    r.checkBox->setChecked(m_defaultChecked);
    if (auto *e = qobject_cast<QLineEdit *>(r.valueControl)) {
        // A port-list field is edited in its window only.
        e->setReadOnly(r.portCount > 0);
        e->setFocusPolicy(Qt::StrongFocus);
        e->setEnabled(true);
    } else if (r.valueControl) {
        r.valueControl->setEnabled(true);
    }
    setRowColours(r, true);
}

void TEditsPanel::resetRows(bool defaultChecked)
{
    m_defaultChecked = defaultChecked;
    for (int i = 0; i < rowCount(); ++i) {
        if (isEditable(i))
            enableRow(i);
        else
            disableRow(i);
    }
}

void TEditsPanel::hideRow(int i)
{
    if (!validIndex(i))
        return;
    if (m_controller && i < m_controller->varList().count())
        m_controller->varList().item(i).setFlag(QxAccess::hidden, true);
    const Row &r = m_rows[size_t(i)];
    r.checkBox->hide();
    r.caption->hide();
    r.valueControl->hide();
}

void TEditsPanel::showRow(int i)
{
    if (!validIndex(i))
        return;
    if (m_controller && i < m_controller->varList().count())
        m_controller->varList().item(i).setFlag(QxAccess::hidden, false);
    const Row &r = m_rows[size_t(i)];
    // A disabled row keeps its check box hidden.
    r.checkBox->setVisible(r.checkBox->isEnabledTo(this));
    r.caption->show();
    r.valueControl->show();
}

void TEditsPanel::clearValues()
{
    for (int i = 0; i < rowCount(); ++i) {
        if (QLineEdit *e = edit(i))
            e->clear();
        else if (QComboBox *c = comboBox(i))
            c->setCurrentIndex(-1);
    }
    if (!m_controller)
        return;
    QxSNMPVarList &list = m_controller->varList();
    for (int i = 0; i < list.count(); ++i)
        list.item(i).valueText.clear();
}

// ---------------------------------------------------------------- layout

void TEditsPanel::setValueWidth(int width)
{
    m_valueWidth = width;
    layoutRows();
}

void TEditsPanel::fitValues()
{
    int needed = m_valueWidth;
    for (const Row &r : m_rows) {
        auto *edit = qobject_cast<QLineEdit *>(r.valueControl);
        if (!edit || edit->isHidden())
            continue;
        // The text, the frame and the edit's own margins (two pixels a side).
        const QMargins margins = edit->textMargins();
        const int frame = 2 * edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit);
        // What it shows, or the longest value its format takes.
        const QxEditFormat *format = m_controller ? m_controller->constraint().format(edit) : nullptr;
        const int digits = format ? format->widestLength(LongestSampledText) : 0;
        const int text = std::max(edit->fontMetrics().horizontalAdvance(edit->text()),
                                  edit->fontMetrics().horizontalAdvance(QString(digits, QLatin1Char('0'))));
        const int width = text + frame + margins.left() + margins.right() + 2 * 2 + 2;
        needed = std::max(needed, std::min(width, MaxValueWidth));
    }
    if (needed > m_valueWidth)
        setValueWidth(needed);
}

void TEditsPanel::layoutRows()
{
    int widestCaption = 0;
    for (const Row &r : m_rows) {
        r.caption->adjustSize();
        widestCaption = std::max(widestCaption, r.caption->width());
    }
    const int labelLeft = kLeftMargin + CheckBoxWidth + kGap;
    const int valueLeft = labelLeft + widestCaption + kGap;
    int top = kTopMargin;
    int right = 0;
    int bottom = 0;
    for (int i = 0; i < rowCount(); ++i) {
        const Row &r = m_rows[size_t(i)];
        r.valueControl->setFixedWidth(m_valueWidth);
        if (m_controller && i < m_controller->varList().count()
            && m_controller->varList().item(i).has(QxAccess::hidden))
            continue;
        int height = r.valueControl->sizeHint().height();
        if (height < kMinValueHeight)
            height = kRaisedValueHeight;
        r.valueControl->setGeometry(valueLeft, top, m_valueWidth, height);
        const int boxHeight = r.checkBox->sizeHint().height();
        r.checkBox->setGeometry(kLeftMargin, top + (height - boxHeight) / 2, CheckBoxWidth, boxHeight);
        r.caption->move(labelLeft, top + (height - r.caption->height()) / 2);
        right = std::max(right, valueLeft + m_valueWidth);
        bottom = std::max(bottom, top + height);
        top += height + kRowGap;
    }
    const int width = right + kOuterMargin;
    const int height = bottom + kOuterMargin;
    int boxHeight = height;
    if (m_warning) {
        m_warning->adjustSize();
        m_warning->move(kWarningLeft, height - kWarningRise);
        if (!m_warning->isHidden())
            boxHeight = std::max(boxHeight, m_warning->y() + m_warning->height());
    }
    // A warning sits on the bottom margin; the panel asks for room for all of it.
    if (boxHeight > height)
        boxHeight += kRowGap;
    m_box->setMinimumSize(width, boxHeight);
    m_needed = QSize(width, boxHeight);
    updateGeometry();
    resize(m_needed);
    emit rowsLaidOut();
}

void TEditsPanel::setWarning(const QString &text, const QColor &colour, int pointSize)
{
    m_warning->setText(text);
    QPalette palette = m_warning->palette();
    palette.setColor(QPalette::WindowText, colour);
    m_warning->setPalette(palette);
    QFont font = m_warning->font();
    font.setPointSize(pointSize);
    m_warning->setFont(font);
    m_warning->show();
    layoutRows();
}

// ---------------------------------------------------------------- buttons

void TEditsPanel::ArrangeCtrlBtn(TCtrlBtnPanel *bar)
{
    if (!m_controller)
        throw TPanelUsageError(QStringLiteral("TEditsPanel:ArrangeCtrlBtn - EditCtrl is NULL!"));
    if (!bar)
        return;
    m_bar = bar;
    for (QWidget *w : {static_cast<QWidget *>(bar->refreshButton()), static_cast<QWidget *>(bar->setCheckedButton()),
                       static_cast<QWidget *>(bar->checkAllButton()), static_cast<QWidget *>(bar->clearChecksButton()),
                       static_cast<QWidget *>(bar->closeButton())})
        w->show();
    for (QWidget *w : {static_cast<QWidget *>(bar->countBox()), static_cast<QWidget *>(bar->countLabel()),
                       static_cast<QWidget *>(bar->editButton()), static_cast<QWidget *>(bar->addButton()),
                       static_cast<QWidget *>(bar->deleteButton())})
        w->hide();

    if (!anyEditable()) {
        bar->setCheckedButton()->hide();
        bar->checkAllButton()->hide();
        bar->clearChecksButton()->hide();
    } else {
        int active = 0;
        for (const Row &r : m_rows)
            active += checkBoxActive(r) ? 1 : 0;
        if (active <= 1) {
            bar->checkAllButton()->hide();
            bar->clearChecksButton()->hide();
            bar->setCheckedButton()->setText(QStringLiteral("Set"));
            bar->setCheckedButton()->setEnabled(true);
            for (const Row &r : m_rows)
                if (checkBoxActive(r))
                    r.checkBox->setChecked(true);
            int ticked = 0;
            for (const Row &r : m_rows)
                ticked += r.checkBox->isChecked() ? 1 : 0;
            if (ticked <= 1)
                for (const Row &r : m_rows)
                    r.checkBox->hide();
        }
    }
    bar->relayout();
}

void TEditsPanel::updateSetButton()
{
    if (!m_bar)
        return;
    bool any = false;
    for (const Row &r : m_rows)
        any = any || (!r.checkBox->isHidden() && r.checkBox->isChecked());
    m_bar->setCheckedButton()->setEnabled(any);
}

void TEditsPanel::checkAll()
{
    bool any = false;
    for (const Row &r : m_rows) {
        if (r.checkBox->isEnabledTo(this))
            r.checkBox->setChecked(true);
        any = any || r.checkBox->isChecked();
    }
    if (any && m_bar)
        m_bar->setCheckedButton()->setEnabled(true);
}

void TEditsPanel::clearChecks()
{
    bool any = false;
    for (const Row &r : m_rows) {
        if (r.checkBox->isEnabledTo(this))
            r.checkBox->setChecked(false);
        any = any || r.checkBox->isChecked();
    }
    if (!any && m_bar)
        m_bar->setCheckedButton()->setEnabled(false);
}

// ---------------------------------------------------------------- writing

TEditsPanel::WriteResult TEditsPanel::writeTicked(bool refreshAfterWrite)
{
    if (!m_controller)
        return WriteResult::Failed;
    QxSNMPRequest2Edits &controller = *m_controller;
    // The marks of the rows left out are cleared only once the exchange is over.
    const SynchronousMode synchronous(controller);
    bool empty = false;
    QString refused;
    {
        InvalidColumns notTicked(controller.varList());
        try {
            controller.collectValues();
            QxSNMPVarList &list = controller.varList();
            for (int i = 0; i < list.count() && i < rowCount(); ++i) {
                if (!isTicked(i))
                    notTicked.add(i);
                else if (!list.item(i).has(QxAccess::invalid) && valueText(i).isEmpty() && !controller.leftUnset(i))
                    empty = true;
            }
            if (!empty)
                refused = refusedNumber();
            if (!empty && refused.isEmpty())
                // The re-read of a table waits until the marks are gone, or the
                // columns kept out of the write would be missing from it.
                controller.apply(false, false);
        } catch (const std::exception &e) {
            m_lastFailure = errorText(e);
            controller.showStatus(m_lastFailure);
            return WriteResult::Failed;
        }
    }
    if (empty) {
        m_messages.warn(window(), QStringLiteral("Warning"), QStringLiteral("Some items are empty!"));
        return WriteResult::NotSent;
    }
    if (!refused.isEmpty()) {
        m_messages.inform(window(), refused);
        return WriteResult::NotSent;
    }
    if (refreshAfterWrite && controller.varList().isTableKind()) {
        try {
            controller.refresh();
        } catch (const std::exception &e) {
            controller.showStatus(errorText(e));
        }
    }
    return WriteResult::Written;
}

QString TEditsPanel::refusedNumber()
{
    QxSNMPVarList &list = m_controller->varList();
    for (int i = 0; i < list.count() && i < rowCount(); ++i) {
        QxSNMPVariable &v = list.item(i);
        const Row &r = m_rows[size_t(i)];
        // Drop-down rows offer only their choices; a row with a format of its
        // own was checked by it as the user left the edit.
        if (!isTicked(i) || v.optionList || r.kind != WritableEdit || r.format != QLatin1String("%s")
            || m_controller->leftUnset(i))
            continue;
        QString sent;
        const QxEditFormat::ExitOutcome outcome = QxEditFormat::checkWholeNumber(valueText(i), v.syntax, &sent);
        if (outcome.result == QxEditFormat::ExitOutcome::Fail)
            return outcome.message;
        if (outcome.result == QxEditFormat::ExitOutcome::Pass)
            v.valueText = sent;
    }
    return QString();
}

// ---------------------------------------------------------------- formats and port lists

void TEditsPanel::setVarFormat(int i, const QString &format)
{
    if (!m_controller || i < 0 || i >= rowCount())
        return;
    Row &r = m_rows[size_t(i)];
    // Refused before the binding is touched, so the row keeps working.
    if (r.kind == DropDown)
        throw TPanelUsageError(QStringLiteral("Can not set Var format to a ComboBox!"));
    if (r.kind != ReadOnlyEdit && r.kind != WritableEdit)
        throw TPanelUsageError(QStringLiteral("Unknow UI Control type!"));
    m_controller->unbindVariable(i);
    m_controller->bindFormatted(i, format, qobject_cast<QLineEdit *>(r.valueControl));
    r.format = format;
}

void TEditsPanel::makePortListRow(int i, int columns, int portCount)
{
    if (!m_controller || i < 0 || i >= rowCount() || !qobject_cast<QLineEdit *>(m_rows[size_t(i)].valueControl))
        throw TPanelUsageError(QStringLiteral("You can only assign Octet Item to a Edit!"));
    Row &r = m_rows[size_t(i)];
    r.portColumns = std::max(1, columns);
    r.portCount = std::max(0, portCount);
    auto *e = static_cast<QLineEdit *>(r.valueControl);
    e->setReadOnly(true);
    e->installEventFilter(this);
}

bool TEditsPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::KeyPress) {
        for (int i = 0; i < rowCount(); ++i) {
            const Row &r = m_rows[size_t(i)];
            if (r.valueControl != watched || r.portCount <= 0)
                continue;
            if (event->type() == QEvent::KeyPress) {
                // Space and Enter open the window, as they press a button; every
                // other key (Tab, Escape, the dialog's own) does what it does
                // on any other row.
                const auto *keyEvent = static_cast<QKeyEvent *>(event);
                const int key = keyEvent->key();
                const bool opens = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
                if (!opens || keyEvent->modifiers() & ~Qt::KeypadModifier)
                    return false;
            }
            // Nothing may leave an event handler: an error goes to the status line.
            try {
                openPortList(i);
            } catch (const std::exception &e) {
                if (m_controller)
                    m_controller->showStatus(errorText(e));
            }
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}

void TEditsPanel::openPortList(int i)
{
    if (!m_controller || i < 0 || i >= rowCount() || m_rows[size_t(i)].portCount <= 0)
        return;
    QxSNMPRequest2Edits &controller = *m_controller;
    try {
        controller.collectValues(QxSNMPRequest2Edits::AllVariables);
    } catch (const std::exception &) {
    }
    const Row r = m_rows[size_t(i)];
    auto *e = qobject_cast<QLineEdit *>(r.valueControl);
    const QString before = e ? e->text() : QString();
    {
        TPortListForm window(this, controller, i, r.portColumns, r.portCount);
        if (m_portListRunner)
            m_portListRunner(window);
        else
            window.exec();
        controller.unbindVariable(i);
    }
    controller.bindFormatted(i, r.format, e);
    try {
        controller.showValues(i);
        controller.collectValues(QxSNMPRequest2Edits::AllVariables);
    } catch (const std::exception &) {
    }
    if (e && e->text() != before)
        userChanged(i);
}

void TEditsPanel::userChanged(int i)
{
    // What the user types is meant to be written: its row is ticked (the user
    // may untick it again).
    QCheckBox *box = checkBox(i);
    if (!box || !box->isEnabled() || box->isHidden())
        return;
    box->setChecked(true);
    updateSetButton();
}
