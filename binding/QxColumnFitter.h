#pragma once

#include <QObject>
#include <QPointer>
#include <QSet>

class QTreeWidget;
class QWidget;

// Widths of a report list's columns: each fits its header and the texts of the
// rows shown, up to a cap, so that addresses and port maps are not cut; a
// column the user has resized keeps the user's width until the columns are
// laid out anew. Hidden-group columns stay 0 wide.
//
// Fitting measures a bounded number of rows (the first and the last ones), so
// it costs the same for a long walk as for a short one.
//
// Columns that do not fit the list widen its window, so that a dialog opens
// as wide as its columns: as far as the screen and MaximumWindowWidth allow,
// only once the list shows, and only while the window has the width it
// opened with or this fitter gave it (a width the user chose stays).
class QxColumnFitter final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QxColumnFitter)

public:
    static constexpr int Padding = 16;
    static constexpr int MaximumWidth = 320;
    // Rows measured from each end of the list.
    static constexpr int MeasuredRows = 500;
    static constexpr int MaximumWindowWidth = 1600;

    // The widest a window grows to show its list's columns on its screen.
    static int widestWindow(const QWidget *window);

    // Owned by whoever fits the view; it never outlives its use of the view.
    explicit QxColumnFitter(QTreeWidget *view);

    // The columns were laid out anew: the first `hidden` are 0 wide, the others
    // as wide as their headers, and no width is the user's any more.
    void reset(int hidden);
    // Fits every column the user has not resized to its header and its rows.
    void fit();

    bool userSized(int column) const { return m_userSized.contains(column); }

    // Widens the list's window until every column shows, whatever the size of
    // its screen (up to MaximumWindowWidth), while the window has the width it
    // opened with or this fitter gave it: for a window that is there to show
    // all its columns at once (the port status table, the VLAN matrix).
    void widenWindowToColumns();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void widenWindow();

    void setWidth(int column, int width);
    int headerWidth(int column) const;

    QPointer<QTreeWidget> m_view;
    int m_hidden = 0;
    bool m_setting = false;
    QSet<int> m_userSized;
    // The window width this fitter last gave (0: none yet).
    int m_windowWidth = 0;
};
