#pragma once

#include <QFrame>

class QLabel;
class QPushButton;

// The vertical button bar on the right of every SNMP panel. Its buttons are
// plain controls; the panels decide which show and what a click does.
class TCtrlBtnPanel : public QFrame
{
    Q_OBJECT
public:
    static constexpr int LeftMargin = 10;
    static constexpr int TopMargin = 10;
    static constexpr int ControlWidth = 96;
    static constexpr int Spacing = 5;
    static constexpr int BarWidth = 2 * LeftMargin + ControlWidth;

    explicit TCtrlBtnPanel(QWidget *parent);

    QLabel *countBox() const { return m_countBox; }
    QLabel *countLabel() const { return m_countLabel; }
    QPushButton *refreshButton() const { return m_refresh; }
    QPushButton *editButton() const { return m_edit; }
    QPushButton *setCheckedButton() const { return m_setChecked; }
    QPushButton *addButton() const { return m_add; }
    QPushButton *deleteButton() const { return m_delete; }
    QPushButton *checkAllButton() const { return m_checkAll; }
    QPushButton *clearChecksButton() const { return m_clearChecks; }
    // A table page's: the selected rows to the clipboard, the shown rows to a file.
    QPushButton *copyButton() const { return m_copy; }
    QPushButton *exportCsvButton() const { return m_exportCsv; }
    QPushButton *closeButton() const { return m_close; }

    // Places every control that is not hidden under the previous one; call it
    // after changing which controls show.
    void relayout();
    // Height that the laid-out controls need.
    int contentHeight() const { return m_contentHeight; }

private:
    QPushButton *makeButton(const char *name, const char *caption);
    void loadGlyphs();

    QLabel *m_countBox;
    QLabel *m_countLabel;
    QPushButton *m_refresh;
    QPushButton *m_edit;
    QPushButton *m_setChecked;
    QPushButton *m_add;
    QPushButton *m_delete;
    QPushButton *m_checkAll;
    QPushButton *m_clearChecks;
    QPushButton *m_copy;
    QPushButton *m_exportCsv;
    QPushButton *m_close;
    int m_contentHeight = 0;
};
