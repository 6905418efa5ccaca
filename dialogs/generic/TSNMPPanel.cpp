#include "dialogs/generic/TSNMPPanel.h"

#include "binding/QxSNMPRequest2Edits.h"
#include "dialogs/generic/TCtrlBtnPanel.h"
#include "dialogs/generic/TMsgPanel.h"
#include "snmp/QxSNMPException.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QMainWindow>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QSplitter>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>

namespace {

// Holds the content controls; the visible ones fill it.
class ContentArea : public QWidget
{
public:
    explicit ContentArea(QWidget *parent) : QWidget(parent) { setObjectName(QStringLiteral("ContentArea")); }

    void fill()
    {
        for (QObject *child : children())
            if (auto *w = qobject_cast<QWidget *>(child); w && !w->isHidden() && !w->isWindow())
                w->setGeometry(rect());
    }

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        QWidget::resizeEvent(event);
        fill();
    }
};

// Above a message panel of fixed height: the content takes whatever height
// the splitter gets.
class BottomSplitter : public QSplitter
{
public:
    explicit BottomSplitter(QWidget *parent) : QSplitter(Qt::Vertical, parent) {}

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        QSplitter::resizeEvent(event);
        if (count() == 2 && !widget(1)->isHidden()) {
            const int fixed = widget(1)->height();
            setSizes({std::max(0, height() - handleWidth() - fixed), fixed});
        }
    }
};

QWidget *mainWindowFor(QWidget *window)
{
    for (QWidget *w = window ? window->parentWidget() : nullptr; w; w = w->parentWidget())
        if (qobject_cast<QMainWindow *>(w->window()))
            return w->window();
    for (QWidget *top : QApplication::topLevelWidgets())
        if (qobject_cast<QMainWindow *>(top) && top->isVisible())
            return top;
    if (window && window->parentWidget())
        return window->parentWidget()->window();
    return nullptr;
}

} // namespace

TSNMPPanel::TSNMPPanel(QWidget *parent, TMsgPanel *sharedMsgPanel, QxSNMPRequest2Edits *controller)
    : QFrame(parent), m_controller(controller), m_messages(TDialogMessages::standard())
{
    setObjectName(QStringLiteral("SNMPPanel"));
    m_rightSplitter = new QSplitter(Qt::Horizontal, this);
    m_rightSplitter->setObjectName(QStringLiteral("RightSplitter"));
    m_rightSplitter->setHandleWidth(RightSplitterWidth);
    m_rightSplitter->setChildrenCollapsible(false);

    m_contentPanel = new QWidget(m_rightSplitter);
    m_contentPanel->setObjectName(QStringLiteral("ContentPanel"));
    m_btnPanel = new TCtrlBtnPanel(m_rightSplitter);
    m_rightSplitter->addWidget(m_contentPanel);
    m_rightSplitter->addWidget(m_btnPanel);
    m_rightSplitter->setStretchFactor(0, 1);
    m_rightSplitter->setStretchFactor(1, 0);

    m_bottomSplitter = new BottomSplitter(m_contentPanel);
    m_bottomSplitter->setObjectName(QStringLiteral("BottomSplitter"));
    m_bottomSplitter->setHandleWidth(BottomSplitterHeight);
    m_bottomSplitter->setChildrenCollapsible(false);
    m_contentArea = new ContentArea(m_bottomSplitter);
    m_bottomSplitter->addWidget(m_contentArea);
    if (sharedMsgPanel) {
        m_statusMsgPanel = sharedMsgPanel;
    } else {
        m_msgPanel = new TMsgPanel(m_bottomSplitter);
        m_bottomSplitter->addWidget(m_msgPanel);
        m_statusMsgPanel = m_msgPanel;
    }
    m_bottomSplitter->setStretchFactor(0, 1);
    if (m_msgPanel)
        m_bottomSplitter->setStretchFactor(1, 0);

    auto *contentLayout = new QVBoxLayout(m_contentPanel);
    contentLayout->setContentsMargins(0, 0, 0, 0);
    contentLayout->addWidget(m_bottomSplitter);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_rightSplitter);

    if (m_controller && m_statusMsgPanel)
        m_controller->setStatusTarget(m_statusMsgPanel->memo());

    connect(m_btnPanel->refreshButton(), &QPushButton::clicked, this, [this] { RefreshBtnClick(); });
    connect(m_btnPanel->closeButton(), &QPushButton::clicked, this, &TSNMPPanel::CloseBtnClick);
    resize(0, 0);
}

TSNMPPanel::~TSNMPPanel() = default;

void TSNMPPanel::setMessages(const TDialogMessages &messages)
{
    m_messages = messages.completed();
}

void TSNMPPanel::showError(const QString &text)
{
    if (m_controller)
        m_controller->showStatus(text);
}

void TSNMPPanel::RefreshBtnClick()
{
    if (!m_controller)
        return;
    try {
        m_controller->refresh();
    } catch (const QxSNMPException &e) {
        showError(e.text());
    } catch (const std::exception &e) {
        showError(QString::fromUtf8(e.what()));
    }
}

void TSNMPPanel::CloseBtnClick()
{
    QWidget *target = m_form ? m_form.data() : window();
    try {
        target->close();
    } catch (...) {
        m_messages.inform(target, QStringLiteral("Please initial close form"));
    }
}

void TSNMPPanel::showContent(QWidget *control)
{
    if (!control)
        return;
    if (m_content && m_content != control)
        m_content->hide();
    if (control->parentWidget() != m_contentArea)
        control->setParent(m_contentArea);
    control->show();
    m_content = control;

    // Content controls report what they need as their size hint; their own
    // size follows the content panel.
    const QSize content = control->sizeHint().isValid() ? control->sizeHint() : control->size();
    const int width = content.width() + m_btnPanel->width() + RightSplitterWidth + 3;
    int height = content.height() + (m_msgPanel ? m_msgPanel->height() : 0) + BottomSplitterHeight;
    height = std::max(height, m_btnPanel->contentHeight());
    m_needed = QSize(width, height);
    resize(m_needed);
    static_cast<ContentArea *>(m_contentArea)->fill();
}

void TSNMPPanel::fitInto(QWidget *form)
{
    if (!form)
        return;
    m_form = form;
    if (parentWidget() != form)
        setParent(form);
    if (!form->layout()) {
        auto *layout = new QVBoxLayout(form);
        layout->setContentsMargins(0, 0, 0, 0);
    }
    if (form->layout()->indexOf(this) < 0)
        form->layout()->addWidget(this);
    show();
    // A form never sized yet starts from nothing, not from the toolkit's default.
    const QSize current = form->testAttribute(Qt::WA_Resized) ? form->size() : QSize(0, 0);
    // Content cut in height scrolls: its scroll bar takes width of its own.
    const int scrollBar = m_needed.height() > MaxFormHeight ? style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0;
    const int width = std::min(std::max(current.width(), m_needed.width() + scrollBar), MaxFormWidth);
    const int height = std::min(std::max(current.height(), m_needed.height()), MaxFormHeight);
    form->resize(width, height);
    centreOnMainWindow(form);
}

void TSNMPPanel::centreOnMainWindow(QWidget *window)
{
    if (!window)
        return;
    QRect area;
    if (QWidget *main = mainWindowFor(window))
        area = main->frameGeometry();
    else if (QScreen *screen = QApplication::primaryScreen())
        area = screen->availableGeometry();
    if (area.isEmpty())
        return;
    const QSize size = window->frameGeometry().size();
    window->move(area.center() - QPoint(size.width() / 2, size.height() / 2));
}

