#include "binding/QxRadioGroup.h"

#include <QRadioButton>
#include <QVBoxLayout>

QxRadioGroup::QxRadioGroup(QWidget *parent) : QGroupBox(parent)
{
    setUp();
}

QxRadioGroup::QxRadioGroup(const QString &title, QWidget *parent) : QGroupBox(title, parent)
{
    setUp();
}

void QxRadioGroup::setUp()
{
    m_group = new QButtonGroup(this);
    m_group->setExclusive(true);
    m_layout = new QVBoxLayout(this);
    connect(m_group, &QButtonGroup::idClicked, this, &QxRadioGroup::itemClicked);
}

void QxRadioGroup::setItems(const QStringList &texts)
{
    const QList<QAbstractButton *> old = m_group->buttons();
    for (QAbstractButton *b : old) {
        m_group->removeButton(b);
        delete b;
    }
    for (int i = 0; i < texts.size(); ++i) {
        auto *b = new QRadioButton(texts.at(i), this);
        m_group->addButton(b, i);
        m_layout->addWidget(b);
    }
}

QStringList QxRadioGroup::items() const
{
    QStringList texts;
    for (int i = 0; i < count(); ++i)
        texts << m_group->button(i)->text();
    return texts;
}

int QxRadioGroup::count() const
{
    return int(m_group->buttons().size());
}

int QxRadioGroup::itemIndex() const
{
    return m_group->checkedId();
}

void QxRadioGroup::setItemIndex(int index)
{
    if (QAbstractButton *b = m_group->button(index)) {
        b->setChecked(true);
        return;
    }
    // An exclusive group keeps one button checked unless told otherwise.
    m_group->setExclusive(false);
    for (QAbstractButton *b : m_group->buttons())
        b->setChecked(false);
    m_group->setExclusive(true);
}
