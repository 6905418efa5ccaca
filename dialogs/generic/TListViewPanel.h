#pragma once

#include "dialogs/generic/TDialogMessages.h"

#include <QFrame>
#include <QPointer>
#include <QString>
#include <functional>

class QLineEdit;
class QPushButton;
class QTreeWidgetItem;
class QxListFilter;
class QxListView;
class QxSNMPRequest2Edits;
class TCtrlBtnPanel;

// The list of a table page: one report-style row per table row, one column per
// visible variable, and the row-status settings that Add and Delete write.
// Above it a filter field keeps the rows that contain its text, and "Copy" and
// "Export CSV…" copy the selected rows and export the shown ones (as does its
// context menu).
class TListViewPanel : public QFrame
{
    Q_OBJECT
public:
    static constexpr int MaxWidth = 450;
    static constexpr int PanelHeight = 350;

    // Asks where to save an export; an empty text cancels.
    using FileAsker = std::function<QString(QWidget *owner)>;

    TListViewPanel(QWidget *parent, QxSNMPRequest2Edits *controller);
    ~TListViewPanel() override;

    QxListView *listView() const { return m_listView; }
    QLineEdit *filterField() const { return m_filterField; }
    QxListFilter *filter() const { return m_filter; }
    // The size the columns' captions ask for (the panel itself fills its place).
    QSize sizeHint() const override { return m_needed; }

    int addStatusColumn() const { return m_addStatusColumn; }
    QString addStatusText() const { return m_addStatusText; }
    int deleteStatusColumn() const { return m_deleteStatusColumn; }
    QString deleteStatusText() const { return m_deleteStatusText; }
    void setAddStatus(int column, const QString &text);
    void setDeleteStatus(int column, const QString &text);

    // The table page's buttons: count, Refresh, Edit (disabled), Close; Add and
    // Delete only with their status settings.
    virtual void ArrangeCtrlBtn(TCtrlBtnPanel *bar);

    // The hint of a row: caption, tabs to the longest caption, two blanks and
    // the cell, one line per column.
    QString hintText(const QTreeWidgetItem *item) const;
    // Selected rows as tab-separated lines.
    QString selectedRowsText() const;
    // Every shown row in the visible columns as shown (filtered and sorted),
    // headers first, RFC 4180 quoting, CRLF.
    QString csvText() const;
    bool exportCsv(const QString &path) const;
    void copySelection() const;
    void exportCsvAsked();
    void setFileAsker(FileAsker asker);
    void setMessages(const TDialogMessages &messages);

signals:
    void clicked();
    void rowsChanged(int count);
    // The row count as the page shows it ("12", or "3 of 12" while filtered).
    void countChanged(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QList<int> visibleColumns() const;
    void showContextMenu(const QPoint &pos);

    QxListView *m_listView = nullptr;
    QLineEdit *m_filterField = nullptr;
    QxListFilter *m_filter = nullptr;
    // The bar's Copy, enabled while rows are selected.
    QPointer<QPushButton> m_copyButton;
    QSize m_needed{0, 0};
    int m_addStatusColumn = -1;
    int m_deleteStatusColumn = -1;
    QString m_addStatusText;
    QString m_deleteStatusText;
    FileAsker m_fileAsker;
    TDialogMessages m_messages;
};
