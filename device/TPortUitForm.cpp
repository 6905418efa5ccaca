#include "device/TPortUitForm.h"

#include <QCheckBox>
#include <QEvent>
#include <QFile>
#include <QLayout>
#include <QScrollArea>
#include <QStringList>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

struct ModelPorts
{
    const char *model;
    int ports;
};

const ModelPorts kModels[] = {
    {"NX-2400", 28}, {"NX-2400P", 28}, {"NX-2400G", 28}, {"NX-4800", 52}, {"NX-4800P", 52},
};

constexpr int kLayoutFileColumns = 10;
constexpr int kLeftMargin = 20;
constexpr int kTopMargin = 4;
// Each column is five character widths wide.
constexpr int kColumnChars = 5;

} // namespace

TPortUitForm::TPortUitForm(QWidget *container) : QWidget(container), m_unitPageControl(new QTabWidget(this))
{
    QFont f = font();
    f.setPointSize(FontPoints);
    setFont(f);
    m_unitPageControl->setObjectName(QStringLiteral("UnitPageControl"));
    m_unitPageControl->tabBar()->hide();
    m_unitPageControl->setDocumentMode(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_unitPageControl);
    if (container) {
        QLayout *fill = container->layout();
        if (!fill) {
            fill = new QVBoxLayout(container);
            fill->setContentsMargins(0, 0, 0, 0);
        }
        fill->addWidget(this);
    }
}

void TPortUitForm::AddUnit(const QString &caption, int portCount, int columns)
{
    auto *page = new QWidget;
    page->setObjectName(caption);
    auto *pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    auto *scrollBox = new QScrollArea(page);
    scrollBox->setFrameShape(QFrame::NoFrame);
    scrollBox->setWidgetResizable(false);
    pageLayout->addWidget(scrollBox);
    auto *area = new QWidget;
    area->setFont(font());
    scrollBox->setWidget(area);
    m_unitPageControl->addTab(page, caption);
    m_unitPageControl->tabBar()->hide();
    m_pages << page;
    m_boxAreas << area;

    if (QFile::exists(QString::fromLatin1(LayoutFile)))
        columns = kLayoutFileColumns;
    // A caller's column count of zero would leave no column to put a box in.
    columns = std::max(1, columns);
    const int f = FontPoints;
    for (int i = 0; i < portCount; ++i) {
        const QString text = QString::number(i + 1);
        auto *box = new QCheckBox(text, area);
        box->setObjectName(QStringLiteral("CheckBox%1").arg(m_checkBoxes.size() + 1));
        const int height = box->sizeHint().height();
        box->setGeometry((i % columns) * f * kColumnChars + kLeftMargin, (i / columns) * height + kTopMargin,
                         int(text.size()) * f + 3 * f, height);
        box->setHidden(true);
        box->installEventFilter(this);
        applyReadOnly(box);
        m_checkBoxes << box;
    }
    area->resize(0, 0);
}

void TPortUitForm::ShowUnit(const QString &unitText, const QString &modelName)
{
    bool ok = false;
    const int unit = unitText.trimmed().toInt(&ok);
    if (!ok || unit < 1 || unit > m_pages.size())
        return;
    const int index = unit - 1;
    m_unitPageControl->setTabText(index, m_unitPageControl->tabText(index) + QLatin1Char(' ') + modelName);
    m_unitPageControl->setCurrentIndex(index);
    m_pages.at(index)->setVisible(true);

    QWidget *area = m_boxAreas.at(index);
    const int shown = portsOfModel(modelName);
    int n = 0;
    QRect used;
    for (QCheckBox *box : m_checkBoxes) {
        if (box->parentWidget() != area)
            continue;
        if (n < shown) {
            box->setHidden(false);
            used = used.united(box->geometry());
        }
        ++n;
    }
    area->resize(used.isEmpty() ? QSize(0, 0) : QSize(used.right() + kLeftMargin, used.bottom() + kTopMargin));
}

void TPortUitForm::setReadOnly(bool on)
{
    m_readOnly = on;
    for (QCheckBox *box : m_checkBoxes)
        applyReadOnly(box);
}

void TPortUitForm::applyReadOnly(QCheckBox *box) const
{
    // Not disabled: a disabled box greys out the very value it is there to show.
    box->setFocusPolicy(m_readOnly ? Qt::NoFocus : Qt::StrongFocus);
}

bool TPortUitForm::eventFilter(QObject *watched, QEvent *event)
{
    if (m_readOnly && qobject_cast<QCheckBox *>(watched)) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TPortUitForm::ClearAll()
{
    for (QCheckBox *box : m_checkBoxes)
        box->setChecked(false);
}

QString TPortUitForm::pageCaption(int unit) const
{
    return unit >= 1 && unit <= m_pages.size() ? m_unitPageControl->tabText(unit - 1) : QString();
}

QCheckBox *TPortUitForm::portBox(int unit, int port) const
{
    if (unit < 1 || unit > m_boxAreas.size() || port < 1)
        return nullptr;
    const QWidget *area = m_boxAreas.at(unit - 1);
    int n = 0;
    for (QCheckBox *box : m_checkBoxes) {
        if (box->parentWidget() != area)
            continue;
        if (++n == port)
            return box;
    }
    return nullptr;
}

int TPortUitForm::portsOfModel(const QString &modelName)
{
    for (const ModelPorts &m : kModels)
        if (modelName.compare(QLatin1String(m.model), Qt::CaseInsensitive) == 0)
            return m.ports;
    return 0;
}

QString TPortUitForm::allPortsBitList()
{
    QStringList bits;
    for (int k = 0; k < PortsPerUnit; ++k)
        bits << QString::number(k);
    return bits.join(QLatin1Char(','));
}

TPortUitForm *TPortUitForm::createUnit1(QWidget *container)
{
    auto *picker = new TPortUitForm(container);
    picker->AddUnit(QStringLiteral("Unit1"), PortsPerUnit, DefaultColumns);
    picker->ShowUnit(QStringLiteral("1"), QStringLiteral("NX-2400P"));
    return picker;
}
