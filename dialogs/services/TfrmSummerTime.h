#pragma once

#include "binding/QxSummerTimePoint.h"
#include "dialogs/dedicated/TDedicatedForm.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

// "Summer Time": daylight saving as a status (off, a rule repeating by week
// and weekday, or an annual rule by date) with its offset, and the two points
// of the rule in use. Each row is written only when ticked; a rule's two
// points go together.
class TfrmSummerTime final : public TDedicatedForm
{
    Q_OBJECT

public:
    explicit TfrmSummerTime(QWidget *parent);

    QxSNMPRequest2Edits *statusBinding() const { return m_status; }
    QxSNMPRequest2Edits *repeatingBinding() const { return m_repeating; }
    QxSNMPRequest2Edits *annualBinding() const { return m_annual; }

private:
    using Layout = QxSummerTimePoint::Layout;

    // The controls of one point's row; the lists and edits a layout lacks are null.
    struct PointRow
    {
        QCheckBox *box = nullptr;
        QWidget *controls = nullptr;
        QLineEdit *hex = nullptr; // hidden: the point's octets as the switch has them
        QComboBox *week = nullptr;
        QComboBox *weekday = nullptr;
        QLineEdit *day = nullptr;
        QComboBox *month = nullptr;
        QLineEdit *hour = nullptr;
        QLineEdit *minute = nullptr;
    };

    PointRow addPointRow(QxSNMPRequest2Edits &binding, int column, Layout layout, int row);
    void read();
    void statusChanged();
    void showPoint(const PointRow &row, Layout layout);
    // The point the row's controls give; none (and the reason shown) when a
    // number is no number.
    std::optional<QxSummerTimePoint> pointOf(const PointRow &row, Layout layout);
    // Every check first (the offset, then the rule's points), then the status
    // and offset, then the rule: nothing is written while any check fails.
    void setChecked();
    // Whether the status row or the offset row is ticked.
    bool statusTicked() const;
    // A ticked offset is one the switch takes.
    bool offsetAccepted();
    // Both rows of the rule ticked, both points valid (annual: within their
    // months); the points then go into the rule's value texts.
    bool ruleAccepted(const PointRow (&rows)[2], Layout layout, const char *together);

    QComboBox *m_timeStatus = nullptr;
    PointRow m_repeat[2];
    PointRow m_annualRows[2];
    QPointer<QxSNMPRequest2Edits> m_status;
    QPointer<QxSNMPRequest2Edits> m_repeating;
    QPointer<QxSNMPRequest2Edits> m_annual;
};
