#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

// The filter field of a list: rows that contain the typed text in a shown
// cell (without regard to case) stay, the others are hidden, also as rows come
// in. A selected row that the filter hides is unselected, so that nothing acts
// on a row the user cannot see.
class QxListFilter final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QxListFilter)
public:
    // The field and the list stay their parents'; the filter goes with the field.
    QxListFilter(QLineEdit *field, QTreeWidget *list);

    QLineEdit *field() const { return m_field; }
    QTreeWidget *list() const { return m_list; }
    QString text() const;
    int shownRows() const;
    int totalRows() const;
    // What the row count shows: "12", or "3 of 12" while a filter hides rows.
    QString countText() const;

    bool keeps(const QTreeWidgetItem &row) const;

signals:
    void shownChanged();

private:
    void apply();
    void applyTo(QTreeWidgetItem &row) const;

    QPointer<QLineEdit> m_field;
    QPointer<QTreeWidget> m_list;
};
