#include "dialogs/dedicated/TDedicatedForm.h"

#include "binding/QxEnterKey.h"
#include "binding/InvalidColumns.h"
#include "snmp/QxEventWait.h"
#include "binding/QxIpAddressRule.h"
#include "binding/QxListFilter.h"
#include "binding/QxListView.h"
#include "format/QxEditFormat.h"
#include "binding/QxStatusLine.h"
#include "device/TPortUitForm.h"
#include "dialogs/dedicated/DigitsOnlyFilter.h"
#include "dialogs/dedicated/TMainWindowLink.h"
#include "snmp/QxKeyCodec.h"
#include "snmp/QxSNMPException.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpacerItem>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>
#include <memory>

namespace {

// The rows a list shows at the least, however full the editor below it.
constexpr int ListRows = 6;
// Texts longer than this (names, descriptions) may scroll in their edit.
constexpr int LongestShownText = 16;

// The bits of one octet, most significant first.
const char kOctetBits[] = "0,1,2,3,4,5,6,7";

} // namespace

TDedicatedForm::TDedicatedForm(QWidget *parent, const Options &options)
    : QDialog(parent)
    , m_body(new QWidget(this))
    , m_bodyLayout(new QVBoxLayout(m_body))
    , m_editor(new QGridLayout)
    , m_buttons(new QHBoxLayout)
    , m_filler(new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Expanding))
    , m_notices(std::make_unique<QObject>())
    , m_messages(TDialogMessages::standard())
{
    m_reopened = options.reopened;
    setWindowTitle(QString::fromLatin1(options.caption));
    QxEnterKey::install(this);
    m_body->setObjectName(QStringLiteral("Body"));
    m_bodyLayout->setContentsMargins(0, 0, 0, 0);
    m_fieldsPerLine = std::max(1, options.editorFields);
    m_bodyLayout->addLayout(m_editor);
    for (int field = 0; field < m_fieldsPerLine; ++field)
        m_editor->setColumnStretch(2 * field + 1, 1);
    m_bodyLayout->addItem(m_filler);
    m_buttons->addStretch(1);
    m_bodyLayout->addLayout(m_buttons);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_body, 1);
    if (options.status == StatusOutput::Memo) {
        m_memo = new QPlainTextEdit(this);
        m_memo->setObjectName(QStringLiteral("Memo1"));
        m_memo->setReadOnly(true);
        m_memo->setFixedHeight(MemoHeight);
        layout->addWidget(m_memo);
    } else if (options.status == StatusOutput::StatusBar) {
        m_statusBar = new QStatusBar(this);
        m_statusBar->setObjectName(QStringLiteral("StatusBar1"));
        m_statusBar->setSizeGripEnabled(false);
        m_statusPanel = new QLabel(m_statusBar);
        m_statusPanel->setObjectName(QStringLiteral("StatusPanel"));
        m_statusBar->addWidget(m_statusPanel, 1);
        layout->addWidget(m_statusBar);
    }
    resize(options.size);
}

TDedicatedForm::~TDedicatedForm()
{
    m_heldEvents.clear();
    // The dialog's own handlers are gone by now: no notice may reach them while
    // the bindings are waited for, nor while the controls are destroyed.
    m_notices.reset();
    closeBindings();
}

// ---------------------------------------------------------------- status output

QString TDedicatedForm::statusPanelText() const
{
    return m_statusPanel ? m_statusPanel->text() : QString();
}

void TDedicatedForm::showStatusText(const QString &text, bool failed)
{
    const auto outcome = failed ? QxStatusLine::Outcome::Failed : QxStatusLine::Outcome::Plain;
    if (m_memo)
        QxStatusLine::append(m_memo, text, outcome);
    else if (m_statusPanel)
        QxStatusLine::show(m_statusPanel, text, outcome);
    else if (auto *parent = qobject_cast<TDedicatedForm *>(parentWidget()))
        parent->showStatusText(text, failed);
}

// ---------------------------------------------------------------- bindings

QxSNMPRequest2Edits *TDedicatedForm::binding(int i) const
{
    return i >= 0 && i < bindingCount() ? m_bindings[size_t(i)].get() : nullptr;
}

QList<QxSNMPRequest2Controls *> TDedicatedForm::controllers() const
{
    QList<QxSNMPRequest2Controls *> all;
    for (const auto &b : m_bindings)
        all << b.get();
    return all;
}

void TDedicatedForm::setMessages(const TDialogMessages &messages)
{
    m_messages = messages.completed();
}

QxSNMPRequest2Edits &TDedicatedForm::addBinding(const QxDescriptorTable &table, const BindingOptions &options)
{
    adopt(std::make_unique<QxSNMPRequest2Edits>(this), table, options);
    return *m_bindings.back();
}

void TDedicatedForm::adopt(std::unique_ptr<QxSNMPRequest2Edits> binding, const QxDescriptorTable &table,
                           const BindingOptions &options)
{
    binding->varList() = QxSNMPVarList(table);
    binding->setAsynchronous(!options.synchronous);
    if (options.timeout > 0)
        binding->request().timeout = options.timeout;
    if (m_memo)
        binding->setStatusTarget(m_memo);
    else if (m_statusPanel)
        binding->setStatusTarget(m_statusPanel);
    // The box of a failed input check is the dialog's, like every other box.
    binding->constraint().setMessagePresenter(
        [this](QWidget *owner, const QString &text) { m_messages.inform(owner, text); });
    binding->setMessagePresenter([this](QWidget *owner, const QString &text) { m_messages.inform(owner, text); });
    m_bindings.push_back(std::move(binding));
}

void TDedicatedForm::done(int result)
{
    if (m_refuseClose && m_refuseClose()) {
        inform(m_refuseMessage);
        return;
    }
    if (!m_reopened)
        closeBindings();
    QDialog::done(result);
}

void TDedicatedForm::closeBindings()
{
    if (m_closing || m_bindingsClosed)
        return;
    m_closing = true;
    m_body->setEnabled(false);
    for (auto &binding : m_bindings) {
        if (binding->inCompletion()) {
            // Closed from inside the binding's own completion (a timer that ran
            // while a row was shown): that completion cannot end while it is
            // waited for. It issues no further request and goes once it has
            // returned.
            binding->request().setAlive(false);
            binding.release()->deleteLater();
            continue;
        }
        binding->stopAndWait();
        binding.reset();
    }
    m_bindings.clear();
    m_bindingsClosed = true;
    m_closing = false;
}

// ---------------------------------------------------------------- building the form

QxListView *TDedicatedForm::addList(QxSNMPRequest2Edits &binding, const char *objectName, bool enableOnSelect)
{
    auto *list = new QxListView;
    list->setObjectName(QString::fromLatin1(objectName));
    list->setMinimumHeight(list->heightForRows(ListRows));
    // Lists stand above the editor, in the order they are added, each under
    // its filter field.
    auto *filterField = new QLineEdit;
    filterField->setObjectName(QStringLiteral("edFilter"));
    filterField->setPlaceholderText(QStringLiteral("Filter"));
    filterField->setToolTip(QStringLiteral("Shows the rows that contain this text"));
    new QxListFilter(filterField, list);
    m_bodyLayout->insertWidget(m_bodyLayout->indexOf(m_editor), filterField);
    m_bodyLayout->insertWidget(m_bodyLayout->indexOf(m_editor), list, 1);
    binding.bindListView(list, enableOnSelect);
    // Connected after the binding's own handler, so the row is in the controls.
    QPointer<QxSNMPRequest2Edits> guardedBinding(&binding);
    connect(list, &QTreeWidget::itemSelectionChanged, m_notices.get(), [this, list, guardedBinding] {
        if (!guardedBinding)
            return;
        // Held back while the dialog waits, it handles the selection as it is then.
        handleEvent(guardedBinding, [this, list, guardedBinding] {
            const QList<QTreeWidgetItem *> selected = list->selectedItems();
            rowSelected(*guardedBinding, selected.isEmpty() ? nullptr : selected.first());
        });
    });
    return list;
}

void TDedicatedForm::addToEditor(const char *caption, QWidget *control)
{
    addEditorEntry(caption ? new QLabel(QString::fromUtf8(caption)) : nullptr, control, true, false);
}

void TDedicatedForm::addEditorLine(const char *caption, QWidget *control)
{
    addEditorEntry(caption ? new QLabel(QString::fromUtf8(caption)) : nullptr, control, true, true);
}

void TDedicatedForm::addFieldLine(QxSNMPRequest2Edits &binding, const DedicatedField &field)
{
    const size_t before = m_editorEntries.size();
    addFields(binding, std::span<const DedicatedField>(&field, 1));
    if (m_editorEntries.size() > before) {
        m_editorEntries.back().wholeLine = true;
        layoutEditor();
    }
}

void TDedicatedForm::addEditorEntry(QWidget *label, QWidget *control, bool ownLabel, bool wholeLine)
{
    // The body owns them even while they are hidden and out of the grid.
    for (QWidget *w : {label, control})
        if (w && !w->parentWidget())
            w->setParent(m_body);
    control->installEventFilter(this);
    m_editorEntries.push_back({label, control, ownLabel, wholeLine, m_lineBreak});
    m_lineBreak = false;
    layoutEditor();
}

bool TDedicatedForm::eventFilter(QObject *watched, QEvent *event)
{
    if ((event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent)
        && std::any_of(m_editorEntries.begin(), m_editorEntries.end(),
                       [watched](const EditorEntry &e) { return e.control == watched; }))
        layoutEditor();
    return QDialog::eventFilter(watched, event);
}

void TDedicatedForm::layoutEditor()
{
    for (const EditorEntry &e : m_editorEntries) {
        if (e.label)
            m_editor->removeWidget(e.label);
        if (e.control)
            m_editor->removeWidget(e.control);
    }
    const int columns = 2 * m_fieldsPerLine;
    int line = 0;
    int field = 0;
    for (const EditorEntry &e : m_editorEntries) {
        if (!e.control)
            continue;
        // Hidden by the dialog, not merely not shown yet.
        const bool shown = !(e.control->isHidden() && e.control->testAttribute(Qt::WA_WState_ExplicitShowHide));
        if (e.label && e.ownLabel)
            e.label->setHidden(!shown);
        if (!shown)
            continue;
        if ((e.wholeLine || e.lineStart) && field > 0) {
            ++line;
            field = 0;
        }
        if (e.wholeLine) {
            if (e.label)
                m_editor->addWidget(e.label, line, 0);
            m_editor->addWidget(e.control, line, e.label ? 1 : 0, 1, e.label ? columns - 1 : columns);
            ++line;
            continue;
        }
        if (e.label)
            m_editor->addWidget(e.label, line, 2 * field);
        m_editor->addWidget(e.control, line, 2 * field + 1);
        if (++field == m_fieldsPerLine) {
            ++line;
            field = 0;
        }
    }
}

QCheckBox *TDedicatedForm::checkedRowBox(QxSNMPRequest2Edits &binding, int column, const char *boxName,
                                         const char *boxCaption)
{
    auto *box = new QCheckBox(QString::fromLatin1(boxCaption ? boxCaption : ""));
    box->setObjectName(QString::fromLatin1(boxName));
    m_checkedRows.push_back({box, &binding, column});
    return box;
}

QCheckBox *TDedicatedForm::addCheckedField(QxSNMPRequest2Edits &binding, const DedicatedField &field,
                                           const char *boxName, const char *boxCaption)
{
    QCheckBox *box = checkedRowBox(binding, field.column, boxName, boxCaption);
    // The row's check box stands where a field's label would.
    DedicatedField unlabelled = field;
    unlabelled.caption = nullptr;
    addFields(binding, std::span<const DedicatedField>(&unlabelled, 1));
    EditorEntry &entry = m_editorEntries.back();
    entry.label = box;
    entry.ownLabel = false;
    layoutEditor();
    return box;
}

QCheckBox *TDedicatedForm::addCheckedRow(QxSNMPRequest2Edits &binding, int column, const char *boxName,
                                         const char *boxCaption, QWidget *controls)
{
    QCheckBox *box = checkedRowBox(binding, column, boxName, boxCaption);
    // A line of its own, after whatever the editor holds.
    addEditorEntry(box, controls, false, true);
    return box;
}

void TDedicatedForm::checkAllRows(bool ticked)
{
    for (const CheckedRow &row : m_checkedRows)
        if (row.box && (!ticked || (!row.box->isHidden() && row.box->isEnabled())))
            row.box->setChecked(ticked);
}

QList<int> TDedicatedForm::uncheckedColumns(const QxSNMPRequest2Edits &binding) const
{
    QList<int> columns;
    for (const CheckedRow &row : m_checkedRows)
        if (row.binding == &binding && row.box && !row.box->isChecked())
            columns << row.column;
    return columns;
}

bool TDedicatedForm::anyTicked(const QxSNMPRequest2Edits *binding) const
{
    return std::any_of(m_checkedRows.begin(), m_checkedRows.end(), [binding](const CheckedRow &row) {
        return row.binding == binding && row.box && row.box->isChecked();
    });
}

void TDedicatedForm::addFields(QxSNMPRequest2Edits &binding, std::span<const DedicatedField> fields)
{
    for (const DedicatedField &f : fields) {
        const QString name = QString::fromLatin1(f.objectName);
        const QString format = QString::fromLatin1(f.format ? f.format : "%s");
        switch (f.kind) {
        case DedicatedField::Edit:
        case DedicatedField::ReadOnlyEdit:
        case DedicatedField::HiddenEdit: {
            auto *edit = new QLineEdit(m_body);
            edit->setObjectName(name);
            edit->setReadOnly(f.kind == DedicatedField::ReadOnlyEdit);
            if (f.kind == DedicatedField::HiddenEdit)
                edit->hide();
            else
                addToEditor(f.caption, edit);
            binding.bindFormatted(f.column, format, edit);
            makeRoomForValues(binding, edit);
            break;
        }
        case DedicatedField::DropDown: {
            auto *combo = new QComboBox;
            combo->setObjectName(name);
            addToEditor(f.caption, combo);
            binding.bindDropDownList(f.column, combo);
            break;
        }
        case DedicatedField::Text:
        case DedicatedField::HiddenText: {
            QLabel *text = sunkenText(name);
            if (f.kind == DedicatedField::HiddenText) {
                text->setParent(m_body);
                text->hide();
            } else {
                addToEditor(f.caption, text);
            }
            binding.bindControl(f.column, text);
            break;
        }
        case DedicatedField::CheckBox: {
            auto *box = new QCheckBox(QString::fromLatin1(f.caption ? f.caption : ""));
            box->setObjectName(name);
            addToEditor(nullptr, box);
            binding.bindControl(f.column, box);
            break;
        }
        }
    }
}

void TDedicatedForm::makeRoomForValues(QxSNMPRequest2Edits &binding, QLineEdit *edit)
{
    const QxEditFormat *format = binding.constraint().format(edit);
    const int digits = format ? format->widestLength(LongestShownText) : 0;
    if (digits == 0)
        return;
    QStyleOptionFrame option;
    option.initFrom(edit);
    const QSize text(edit->fontMetrics().horizontalAdvance(QString(digits, QLatin1Char('0'))),
                     edit->fontMetrics().height());
    // The style's frame and the edit's own margins (two pixels a side) around the text.
    const int width =
        edit->style()->sizeFromContents(QStyle::CT_LineEdit, &option, text + QSize(2 * 2, 0), edit).width();
    edit->setMinimumWidth(std::max(edit->minimumWidth(), width));
}

QTabWidget *TDedicatedForm::pages()
{
    if (!m_pages) {
        m_pages = new QTabWidget;
        m_pages->setObjectName(QStringLiteral("PageControl1"));
        m_pages->setMinimumHeight(130);
        m_bodyLayout->insertWidget(m_bodyLayout->indexOf(m_filler), m_pages);
    }
    return m_pages;
}

void TDedicatedForm::groupPages(const char *caption)
{
    QTabWidget *control = pages();
    auto *group = new QGroupBox(QString::fromUtf8(caption));
    group->setObjectName(QString::fromLatin1(caption));
    m_bodyLayout->insertWidget(m_bodyLayout->indexOf(control), group);
    auto *inside = new QVBoxLayout(group);
    inside->addWidget(control);
}

TPortUitForm *TDedicatedForm::addPortPage(const char *pageCaption, QxSNMPRequest2Edits *binding, int column)
{
    auto *page = new QWidget;
    const QString caption = QString::fromLatin1(pageCaption);
    page->setObjectName(caption);
    pages()->addTab(page, caption);
    TPortUitForm *picker = TPortUitForm::createUnit1(page);
    if (binding)
        bindPortPicker(*binding, column, picker);
    return picker;
}

TPortUitForm *TDedicatedForm::addPortGroup(const char *caption, QxSNMPRequest2Edits *binding, int column)
{
    auto *group = new QGroupBox(QString::fromUtf8(caption));
    group->setObjectName(QString::fromLatin1(caption));
    group->setMinimumHeight(130);
    m_bodyLayout->insertWidget(m_bodyLayout->indexOf(m_filler), group);
    TPortUitForm *picker = TPortUitForm::createUnit1(group);
    if (binding)
        bindPortPicker(*binding, column, picker);
    return picker;
}

QList<QCheckBox *> TDedicatedForm::addBitsPage(const char *pageCaption, const char *const (&captions)[8],
                                                QxSNMPRequest2Edits *binding, int column)
{
    auto *page = new QWidget;
    const QString caption = QString::fromLatin1(pageCaption);
    page->setObjectName(caption);
    auto *grid = new QGridLayout(page);
    QList<QCheckBox *> boxes;
    for (int bit = 0; bit < 8; ++bit) {
        auto *box = new QCheckBox(QString::fromUtf8(captions[bit]));
        box->setObjectName(QStringLiteral("CheckBox%1").arg(bit + 1));
        grid->addWidget(box, bit / 4, bit % 4);
        boxes << box;
    }
    pages()->addTab(page, caption);
    if (binding)
        binding->bindBitList(column, QString::fromLatin1(kOctetBits), boxes);
    return boxes;
}

QLabel *TDedicatedForm::addRowCount(const char *objectName, QTreeWidget *list, bool samplesCaption)
{
    QLabel *count = sunkenText(QString::fromLatin1(objectName));
    int at = 0;
    if (samplesCaption)
        m_buttons->insertWidget(at++, new QLabel(QStringLiteral("Samples")));
    m_buttons->insertWidget(at, count);
    // While the list's filter hides rows, the count says so ("3 of 12").
    QxListFilter *filter = nullptr;
    for (QxListFilter *f : findChildren<QxListFilter *>())
        if (f->list() == list)
            filter = f;
    const QPointer<QxListFilter> guardedFilter(filter);
    const auto update = [count, list, guardedFilter] {
        count->setText(guardedFilter ? guardedFilter->countText() : QString::number(list->topLevelItemCount()));
    };
    QAbstractItemModel *model = list->model();
    connect(model, &QAbstractItemModel::rowsInserted, m_notices.get(), update);
    connect(model, &QAbstractItemModel::rowsRemoved, m_notices.get(), update);
    connect(model, &QAbstractItemModel::modelReset, m_notices.get(), update);
    if (filter)
        connect(filter, &QxListFilter::shownChanged, m_notices.get(), update);
    update();
    return count;
}

QPushButton *TDedicatedForm::addButton(const char *caption, const char *objectName, const std::function<void()> &click)
{
    auto *button = new QPushButton(QString::fromUtf8(caption));
    button->setObjectName(QString::fromLatin1(objectName));
    button->setAutoDefault(false);
    m_buttons->addWidget(button);
    // Nothing may leave a click handler: what it raises goes to the status output.
    connect(button, &QPushButton::clicked, m_notices.get(), [this, click] { handleEvent(nullptr, click); });
    return button;
}

void TDedicatedForm::bindPortPicker(QxSNMPRequest2Edits &binding, int position, const TPortUitForm *picker)
{
    binding.bindBitList(position, TPortUitForm::allPortsBitList(),
                        picker->checkBoxes().mid(0, TPortUitForm::PortsPerUnit));
}

QLabel *TDedicatedForm::sunkenText(const QString &objectName)
{
    auto *text = new QLabel;
    text->setObjectName(objectName);
    text->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    text->setMinimumWidth(80);
    return text;
}

void TDedicatedForm::setKeyEditable(QLineEdit *edit, bool editable)
{
    if (!edit)
        return;
    edit->setReadOnly(!editable);
    QPalette p = edit->palette();
    p.setColor(QPalette::Base, editable ? QColor(Qt::white) : edit->palette().color(QPalette::Button));
    edit->setPalette(p);
}

void TDedicatedForm::digitsOnly(QLineEdit *edit)
{
    if (!m_digitsOnly)
        m_digitsOnly = new DigitsOnlyFilter(this);
    edit->installEventFilter(m_digitsOnly);
}

QTreeWidgetItem *TDedicatedForm::rowWithText(const QTreeWidget *list, int column, const QString &text)
{
    for (int i = 0; list && i < list->topLevelItemCount(); ++i)
        if (QxKeyCodec::sameKey(list->topLevelItem(i)->text(column), text))
            return list->topLevelItem(i);
    return nullptr;
}

// ---------------------------------------------------------------- operations

void TDedicatedForm::runCreation(const std::function<void()> &handler)
{
    guarded(nullptr, handler);
}

bool TDedicatedForm::guarded(QxSNMPRequest2Edits *binding, const std::function<void()> &operation)
{
    if (m_operations++ == 0)
        m_operationWaitDepth = QxEventWait::depth();
    struct Finished
    {
        TDedicatedForm &form;
        ~Finished()
        {
            if (--form.m_operations == 0)
                form.runHeldEvents();
        }
    } finished{*this};
    QString text;
    try {
        operation();
        return true;
    } catch (const QxSNMPException &e) {
        text = e.text();
    } catch (const std::exception &e) {
        text = QString::fromLocal8Bit(e.what());
    }
    // A binding without a status output of its own leaves the text to the dialog's.
    if (binding && !m_bindingsClosed && binding->hasStatusTarget())
        binding->showStatus(text);
    else
        showStatusText(text);
    return false;
}

void TDedicatedForm::handleEvent(QxSNMPRequest2Edits *binding, const std::function<void()> &handler)
{
    if (m_operations > 0 && QxEventWait::depth() > m_operationWaitDepth) {
        m_heldEvents.append({binding, binding != nullptr, handler});
        return;
    }
    guarded(binding, handler);
}

void TDedicatedForm::runHeldEvents()
{
    while (!m_heldEvents.isEmpty() && m_operations == 0) {
        const HeldEvent held = m_heldEvents.takeFirst();
        // A binding closed meanwhile has nothing left to handle.
        if (held.hadBinding && !held.binding)
            continue;
        handleEvent(held.binding, held.handler);
    }
}

bool TDedicatedForm::refreshBinding(QxSNMPRequest2Edits *binding)
{
    if (!binding || binding->busy())
        return false;
    return guarded(binding, [binding] { binding->refresh(); });
}

bool TDedicatedForm::write(const DedicatedWrite &w)
{
    QxSNMPRequest2Edits *binding = w.binding;
    if (!binding || binding->busy())
        return false;
    if (w.row == DedicatedWrite::Row::Selected && binding->listView() && !binding->rowSelected())
        return false;
    QList<int> keptOut = w.keptOut;
    if (w.tickedOnly) {
        if (!anyTicked(binding))
            return false;
        keptOut << uncheckedColumns(*binding);
    }
    bool wrote = false;
    bool sent = false;
    QPointer<QxSNMPRequest2Edits> guardedBinding(binding);
    std::shared_ptr<QMetaObject::Connection> notice;
    if (binding->asynchronous()) {
        // The write's one completion decides what follows.
        notice = std::make_shared<QMetaObject::Connection>();
        *notice = connect(binding, &QxSNMPRequest2Controls::writeDone, m_notices.get(),
                          [this, notice, w](QxSNMPRequest2Controls *, const QxSNMPError &error) {
                              QObject::disconnect(*notice);
                              written(w, error.code == 0);
                          });
    }
    {
        // The status and the marks matter while the write is put together,
        // which happens at once even when its reply comes later: everything
        // is back before anything is read.
        const int chosen = w.status ? w.status->currentIndex() : -1;
        if (w.status && w.statusItem >= 0)
            w.status->setCurrentIndex(w.statusItem);
        InvalidColumns notSent(binding->varList(), keptOut);
        binding->setNewRow(w.row == DedicatedWrite::Row::New);
        sent = guarded(binding, [binding, &w] { binding->apply(false, w.collect); });
        if (guardedBinding)
            binding->setNewRow(false);
        notSent.restore();
        if (w.status && w.statusItem >= 0 && w.status->currentIndex() == w.statusItem)
            w.status->setCurrentIndex(chosen);
        wrote = sent && !binding->asynchronous();
    }
    if (notice && !sent) {
        // Raised before anything was sent: no completion will come.
        disconnect(*notice);
        written(w, false);
        return false;
    }
    if (!notice)
        written(w, wrote);
    return sent;
}

void TDedicatedForm::written(const DedicatedWrite &w, bool wrote)
{
    QPointer<QxSNMPRequest2Edits> binding(w.binding);
    if (wrote) {
        if (w.succeeded)
            w.succeeded();
        const bool table = binding && binding->varList().isTableKind();
        if (binding && (w.readBack == DedicatedWrite::ReadBack::Always
                        || (w.readBack == DedicatedWrite::ReadBack::Tables && table)))
            refreshBinding(binding);
    }
    if (w.finished)
        w.finished(wrote);
}

bool TDedicatedForm::passes(std::initializer_list<InputCheck> checks, Report report)
{
    for (const InputCheck &check : checks) {
        if (!check.fails())
            continue;
        const QString message = QString::fromLatin1(check.message);
        if (report == Report::Box)
            inform(message);
        else if (report == Report::WarningBox)
            m_messages.warn(this, QStringLiteral("Warning"), message);
        else
            showStatusText(message);
        if (check.focus && check.focus->isVisible() && check.focus->isEnabled())
            check.focus->setFocus(Qt::OtherFocusReason);
        return false;
    }
    return true;
}

bool TDedicatedForm::validAddress(QLineEdit *edit, bool dotWording)
{
    const QxIpAddressRule::Verdict verdict = QxIpAddressRule::check(edit->text());
    if (verdict == QxIpAddressRule::Verdict::Valid)
        return true;
    const bool dot = dotWording && verdict == QxIpAddressRule::Verdict::MisplacedDot;
    return passes({{[] { return true; }, dot ? QxIpAddressRule::dotMessage : QxIpAddressRule::message, edit}});
}

void TDedicatedForm::stopRequests(QxSNMPRequest2Edits *binding)
{
    if (binding)
        binding->request().setAlive(false);
}

void TDedicatedForm::resumeRequests(QxSNMPRequest2Edits *binding)
{
    if (!binding)
        return;
    binding->waitWhileBusy();
    binding->request().setAlive(true);
}

// ---------------------------------------------------------------- notices

void TDedicatedForm::onReadDone(QxSNMPRequest2Edits *binding, const std::function<void(const QxSNMPError &)> &handler)
{
    connect(binding, &QxSNMPRequest2Controls::readDone, m_notices.get(),
            [handler](QxSNMPRequest2Controls *, const QxSNMPError &error) { handler(error); });
}

void TDedicatedForm::onWriteDone(QxSNMPRequest2Edits *binding,
                                 const std::function<void(const QxSNMPError &)> &handler)
{
    connect(binding, &QxSNMPRequest2Controls::writeDone, m_notices.get(),
            [handler](QxSNMPRequest2Controls *, const QxSNMPError &error) { handler(error); });
}

void TDedicatedForm::registerReadyNotice(QxSNMPRequest2Edits *binding, bool writesToo, const std::function<void()> &then)
{
    const auto notice = [this, then](const QxSNMPError &) {
        m_ready = true;
        if (then)
            then();
    };
    onReadDone(binding, notice);
    if (writesToo)
        onWriteDone(binding, notice);
}

bool TDedicatedForm::waitUntilReady(int ms)
{
    return !QxEventWait::whileHolds([this] { return !m_ready; }, ms);
}

void TDedicatedForm::refuseCloseWhile(const std::function<bool()> &condition, const char *message)
{
    m_refuseClose = condition;
    m_refuseMessage = QString::fromLatin1(message);
}

// ---------------------------------------------------------------- hooks and helpers

void TDedicatedForm::rowSelected(QxSNMPRequest2Edits &, QTreeWidgetItem *) {}

void TDedicatedForm::inform(const QString &text)
{
    m_messages.inform(this, text);
}

bool TDedicatedForm::ask(const QString &caption, const QString &text)
{
    return m_messages.ask(this, caption, text);
}

int TDedicatedForm::runModal(QDialog &window)
{
    return m_modalRunner ? m_modalRunner(window) : window.exec();
}

TMainWindowLink *TDedicatedForm::mainWindow() const
{
    for (QWidget *w = parentWidget(); w; w = w->parentWidget())
        if (auto *link = dynamic_cast<TMainWindowLink *>(w))
            return link;
    return nullptr;
}
