#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QStringList>

class QVBoxLayout;

// A radio group: a group box holding one exclusive radio button per item, in item
// order. Bindings fill it from an option list and select by item position.
class QxRadioGroup : public QGroupBox
{
    Q_OBJECT

public:
    explicit QxRadioGroup(QWidget *parent = nullptr);
    explicit QxRadioGroup(const QString &title, QWidget *parent = nullptr);

    // Replaces every button by one per text.
    void setItems(const QStringList &texts);
    QStringList items() const;
    int count() const;

    // Position of the checked button, -1 when none is checked.
    int itemIndex() const;
    // -1 leaves no button checked.
    void setItemIndex(int index);

    QButtonGroup *buttonGroup() const { return m_group; }

signals:
    // The user clicked the button at this position.
    void itemClicked(int index);

private:
    void setUp();

    QButtonGroup *m_group = nullptr;
    QVBoxLayout *m_layout = nullptr;
};
