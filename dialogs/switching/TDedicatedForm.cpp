#include "dialogs/switching/TDedicatedForm.h"

#include "binding/QxEventWait.h"
#include "binding/QxSNMPRequest2Edits.h"
#include "binding/QxStatusMemo.h"
#include "device/TPortUitForm.h"
#include "snmp/QxSNMPException.h"

#include <QAbstractItemModel>
#include <QBoxLayout>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <exception>

TDedicatedForm::TDedicatedForm(QWidget *parent, const QString &formCaption)
    : QDialog(parent)
    , m_body(new QWidget(this))
    , m_memo(new QPlainTextEdit(this))
    , m_notices(std::make_unique<QObject>())
    , m_messages(TDialogMessages::standard())
{
    setWindowTitle(formCaption);
    m_memo->setObjectName(QStringLiteral("Memo1"));
    m_memo->setReadOnly(true);
    m_memo->setFixedHeight(MemoHeight);
    m_body->setObjectName(QStringLiteral("Body"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_body, 1);
    layout->addWidget(m_memo);
}

TDedicatedForm::~TDedicatedForm()
{
    // The dialog's own handlers are gone by now: no notice may reach them while
    // the bindings are waited for, nor while the controls are destroyed.
    m_notices.reset();
    closeBindings();
}

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

void TDedicatedForm::done(int result)
{
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
        binding->stopAndWait();
        binding.reset();
    }
    m_bindings.clear();
    m_bindingsClosed = true;
    m_closing = false;
}

QxSNMPRequest2Edits &TDedicatedForm::addBinding(const QxDescriptorTable &table)
{
    auto binding = std::make_unique<QxSNMPRequest2Edits>(this);
    binding->varList() = QxSNMPVarList(table);
    binding->setStatusTarget(m_memo);
    // The box of a failed input check is the dialog's, like every other box.
    binding->constraint().setMessagePresenter(
        [this](QWidget *owner, const QString &text) { m_messages.inform(owner, text); });
    binding->setMessagePresenter([this](QWidget *owner, const QString &text) { m_messages.inform(owner, text); });
    m_bindings.push_back(std::move(binding));
    return *m_bindings.back();
}

void TDedicatedForm::bindPortPicker(QxSNMPRequest2Edits &binding, int position, const TPortUitForm *picker)
{
    binding.bindBitList(position, TPortUitForm::allPortsBitList(),
                        picker->checkBoxes().mid(0, TPortUitForm::PortsPerUnit));
}

void TDedicatedForm::runCreation(const std::function<void()> &handler)
{
    guarded(nullptr, handler);
}

bool TDedicatedForm::guarded(QxSNMPRequest2Edits *binding, const std::function<void()> &operation)
{
    QString text;
    try {
        operation();
        return true;
    } catch (const QxSNMPException &e) {
        text = e.text();
    } catch (const std::exception &e) {
        text = QString::fromLocal8Bit(e.what());
    }
    if (binding && !m_bindingsClosed)
        binding->showStatus(text);
    else
        QxStatusMemo::append(m_memo, text);
    return false;
}

bool TDedicatedForm::refreshBinding(QxSNMPRequest2Edits *binding)
{
    if (!binding || binding->busy())
        return false;
    return guarded(binding, [binding] { binding->refresh(); });
}

bool TDedicatedForm::applyBinding(QxSNMPRequest2Edits *binding, bool refreshAfterWrite)
{
    if (!binding || binding->busy())
        return false;
    return guarded(binding, [binding, refreshAfterWrite] { binding->apply(refreshAfterWrite, true); });
}

bool TDedicatedForm::applyBinding(QxSNMPRequest2Edits *binding, bool refreshAfterWrite,
                                  const std::function<void()> &succeeded)
{
    if (!binding || binding->busy())
        return false;
    if (!binding->asynchronous()) {
        if (!applyBinding(binding, refreshAfterWrite))
            return false;
        succeeded();
        return true;
    }
    // The write's one completion decides; the notice goes with it.
    auto notice = std::make_shared<QMetaObject::Connection>();
    *notice = connect(binding, &QxSNMPRequest2Controls::writeDone, m_notices.get(),
                      [notice, succeeded](QxSNMPRequest2Controls *, const QxSNMPError &error) {
                          QObject::disconnect(*notice);
                          if (error.code == 0)
                              succeeded();
                      });
    if (applyBinding(binding, refreshAfterWrite))
        return true;
    disconnect(*notice);
    return false;
}

QLabel *TDedicatedForm::addSamplesCount(QBoxLayout *layout, const QString &objectName, QTreeWidget *listView)
{
    auto *caption = new QLabel(QStringLiteral("Samples"));
    QLabel *count = sunkenText(objectName);
    layout->addWidget(caption);
    layout->addWidget(count);
    if (listView) {
        QAbstractItemModel *model = listView->model();
        const auto update = [count, listView] { showCount(count, listView); };
        connect(model, &QAbstractItemModel::rowsInserted, m_notices.get(), update);
        connect(model, &QAbstractItemModel::rowsRemoved, m_notices.get(), update);
        connect(model, &QAbstractItemModel::modelReset, m_notices.get(), update);
        showCount(count, listView);
    }
    return count;
}

void TDedicatedForm::showCount(QLabel *count, const QTreeWidget *listView)
{
    if (count && listView)
        count->setText(QString::number(listView->topLevelItemCount()));
}

QLabel *TDedicatedForm::sunkenText(const QString &objectName)
{
    auto *text = new QLabel;
    text->setObjectName(objectName);
    text->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    text->setMinimumWidth(80);
    return text;
}

TPortUitForm *TDedicatedForm::addPortPickerPage(QTabWidget *pages, const QString &pageCaption)
{
    auto *page = new QWidget;
    page->setObjectName(pageCaption);
    pages->addTab(page, pageCaption);
    return TPortUitForm::createUnit1(page);
}

QPushButton *TDedicatedForm::addButton(QBoxLayout *layout, const QString &caption, const QString &objectName,
                                       const std::function<void()> &click)
{
    auto *button = new QPushButton(caption);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    layout->addWidget(button);
    connect(button, &QPushButton::clicked, m_notices.get(), [click] { click(); });
    return button;
}

void TDedicatedForm::onRowSelection(QTreeWidget *listView,
                                    const std::function<void(QTreeWidgetItem *selected)> &handler)
{
    // Connected after the binding's own handler, so the row is in the controls.
    connect(listView, &QTreeWidget::itemSelectionChanged, m_notices.get(), [listView, handler] {
        const QList<QTreeWidgetItem *> selected = listView->selectedItems();
        handler(selected.isEmpty() ? nullptr : selected.first());
    });
}

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

void TDedicatedForm::inform(const QString &text)
{
    m_messages.inform(this, text);
}
