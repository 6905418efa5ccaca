#include "dialogs/services/TfrmSummerTime.h"

#include "tables/TimeDialogTables.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

namespace {

namespace Tables = TimeDialogTables;
namespace StatusColumn = Tables::SummerStatusColumn;
namespace PointColumn = Tables::SummerPointColumn;

constexpr DedicatedField kStatus{StatusColumn::Status, "cbxTimeStatus", "Time Status", DedicatedField::DropDown};
constexpr DedicatedField kOffset{StatusColumn::Offset, "edtTimeOffset", "Time Offset [30,60,90,120]",
                                 DedicatedField::Edit, "%i{n30x120l3}"};
// The status texts the read path goes by.
constexpr char kDisable[] = "disable";
constexpr char kRepeating[] = "repeating";
constexpr char kAnnual[] = "annual";

struct PointRowSpec
{
    const char *box;
    const char *caption;
    const char *name; // the stem of the row's control names
};
constexpr PointRowSpec kRepeatRows[] = {{"CheckBox3", "Repeat Summer Time Start", "RepeatStart"},
                                        {"CheckBox4", "Repeat Summer Time End", "RepeatEnd"}};
constexpr PointRowSpec kAnnualRows[] = {{"CheckBox5", "Annual Summer Time Start", "AnnualStart"},
                                        {"CheckBox6", "Annual Summer Time End", "AnnualEnd"}};

template <std::size_t N>
QComboBox *listOf(const QString &name, const char *const (&items)[N])
{
    auto *list = new QComboBox;
    list->setObjectName(name);
    for (const char *item : items)
        list->addItem(QString::fromLatin1(item));
    return list;
}

QLineEdit *numberEdit(const QString &name)
{
    auto *edit = new QLineEdit;
    edit->setObjectName(name);
    edit->setMaximumWidth(40);
    return edit;
}

} // namespace

TfrmSummerTime::TfrmSummerTime(QWidget *parent)
    : TDedicatedForm(parent, {.caption = "Summer Time", .status = StatusOutput::Memo, .size = {640, 340}})
{
    runCreation([this] {
        m_status = &addBinding(Tables::summerStatus, {.synchronous = true});
        m_repeating = &addBinding(Tables::summerRepeating, {.synchronous = true});
        m_annual = &addBinding(Tables::summerAnnual, {.synchronous = true});
        addCheckedField(*m_status, kStatus, "CheckBox1", kStatus.caption);
        addCheckedField(*m_status, kOffset, "CheckBox2", kOffset.caption);
        m_timeStatus = control<QComboBox>(kStatus.objectName);
        for (int i = 0; i < 2; ++i)
            m_repeat[i] = addPointRow(*m_repeating, i == 0 ? PointColumn::Start : PointColumn::End,
                                      Layout::Repeating, i);
        for (int i = 0; i < 2; ++i)
            m_annualRows[i] = addPointRow(*m_annual, i == 0 ? PointColumn::Start : PointColumn::End, Layout::Annual,
                                          i);
        connect(m_timeStatus, &QComboBox::currentIndexChanged, this, [this] { statusChanged(); });
        addButton("Refresh", "btnRefresh", [this] { read(); });
        addButton("Set Checked", "btnSetChecked", [this] { setChecked(); });
        addButton("Check All", "btnCheckAll", [this] { checkAllRows(true); });
        addButton("Clear Checks", "btnClearChecks", [this] { checkAllRows(false); });
        addButton("Close", "btnClose", [this] { reject(); });
        read();
    });
}

TfrmSummerTime::PointRow TfrmSummerTime::addPointRow(QxSNMPRequest2Edits &binding, int column, Layout layout,
                                                     int row)
{
    const PointRowSpec &spec = (layout == Layout::Repeating ? kRepeatRows : kAnnualRows)[row];
    const QString stem = QString::fromLatin1(spec.name);
    PointRow r;
    r.controls = new QWidget;
    auto *line = new QHBoxLayout(r.controls);
    line->setContentsMargins(0, 0, 0, 0);
    // Each part of the date and time after its own caption.
    const auto labelled = [line](const char *caption, QWidget *control) {
        line->addWidget(new QLabel(QString::fromLatin1(caption)));
        line->addWidget(control);
    };
    if (layout == Layout::Repeating) {
        r.month = listOf(QStringLiteral("cbx%1Month").arg(stem), Tables::months);
        r.week = listOf(QStringLiteral("cbx%1Week").arg(stem), Tables::weeks);
        r.weekday = listOf(QStringLiteral("cbx%1Weekday").arg(stem), Tables::weekdays);
        labelled("Month", r.month);
        labelled("Week", r.week);
        labelled("Day", r.weekday);
    } else {
        r.day = numberEdit(QStringLiteral("edt%1Day").arg(stem));
        r.month = listOf(QStringLiteral("cbx%1Month").arg(stem), Tables::months);
        labelled("Day", r.day);
        labelled("Month", r.month);
    }
    r.hour = numberEdit(QStringLiteral("edt%1Hour").arg(stem));
    r.minute = numberEdit(QStringLiteral("edt%1Minute").arg(stem));
    labelled("Time", r.hour);
    line->addWidget(new QLabel(QStringLiteral(":")));
    line->addWidget(r.minute);
    line->addStretch(1);

    const QByteArray hexName = QStringLiteral("edt%1").arg(stem).toLatin1();
    const DedicatedField hex{column, hexName.constData(), nullptr, DedicatedField::HiddenEdit, "%s"};
    addFields(binding, std::span<const DedicatedField>(&hex, 1));
    r.hex = control<QLineEdit>(hexName.constData());
    r.box = addCheckedRow(binding, column, spec.box, spec.caption, r.controls);
    return r;
}

void TfrmSummerTime::read()
{
    if (!refreshBinding(m_status))
        return;
    statusChanged();
    const QString status = m_timeStatus->currentText();
    if (status == QLatin1String(kDisable))
        return;
    if (status == QLatin1String(kRepeating)) {
        if (refreshBinding(m_repeating))
            for (const PointRow &row : m_repeat)
                showPoint(row, Layout::Repeating);
    } else if (status == QLatin1String(kAnnual)) {
        if (refreshBinding(m_annual))
            for (const PointRow &row : m_annualRows)
                showPoint(row, Layout::Annual);
    } else {
        showStatusText(QStringLiteral("Get time status error!"));
    }
}

void TfrmSummerTime::statusChanged()
{
    const QString status = m_timeStatus->currentText();
    const bool repeating = status == QLatin1String(kRepeating);
    const bool annual = status == QLatin1String(kAnnual);
    const auto show = [](const PointRow &row, bool visible) {
        row.box->setVisible(visible);
        row.controls->setVisible(visible);
        // A row that comes or goes starts unticked.
        row.box->setChecked(false);
    };
    for (const PointRow &row : m_repeat)
        show(row, repeating);
    for (const PointRow &row : m_annualRows)
        show(row, annual);
}

void TfrmSummerTime::showPoint(const PointRow &row, Layout layout)
{
    // Only a text of the layout's exact length is a point; anything else
    // leaves the row as it is.
    const std::optional<QxSummerTimePoint> point = QxSummerTimePoint::decode(row.hex->text(), layout);
    if (!point)
        return;
    row.month->setCurrentIndex(point->month);
    if (layout == Layout::Repeating) {
        row.week->setCurrentIndex(point->week);
        row.weekday->setCurrentIndex(point->weekday);
    } else {
        row.day->setText(QString::number(point->day));
    }
    row.hour->setText(QString::number(point->hour));
    row.minute->setText(QString::number(point->minute));
}

std::optional<QxSummerTimePoint> TfrmSummerTime::pointOf(const PointRow &row, Layout layout)
{
    QxSummerTimePoint point;
    const auto number = [this](QLineEdit *edit, int &field) {
        bool ok = false;
        field = edit->text().trimmed().toInt(&ok);
        if (!ok)
            showStatusText(QStringLiteral("'%1' is not a valid integer value").arg(edit->text()));
        return ok;
    };
    if (!number(row.hour, point.hour) || !number(row.minute, point.minute))
        return std::nullopt;
    if (layout == Layout::Annual && !number(row.day, point.day))
        return std::nullopt;
    point.month = row.month->currentIndex();
    if (layout == Layout::Repeating) {
        point.week = row.week->currentIndex();
        point.weekday = row.weekday->currentIndex();
    }
    return point;
}

bool TfrmSummerTime::statusTicked() const
{
    return control<QCheckBox>("CheckBox1")->isChecked() || control<QCheckBox>("CheckBox2")->isChecked();
}

bool TfrmSummerTime::offsetAccepted()
{
    QCheckBox *offsetBox = control<QCheckBox>("CheckBox2");
    QLineEdit *offset = control<QLineEdit>(kOffset.objectName);
    const auto offsetTaken = [&] {
        const std::span<const int> taken(Tables::summerOffsets);
        bool ok = false;
        const int minutes = offset->text().toInt(&ok);
        return ok && std::find(taken.begin(), taken.end(), minutes) != taken.end();
    };
    return passes({{[&] { return offsetBox->isChecked() && !offsetTaken(); }, "Time Offset error!", offset}});
}

bool TfrmSummerTime::ruleAccepted(const PointRow (&rows)[2], Layout layout, const char *together)
{
    if (!passes({{[&] { return !rows[0].box->isChecked() || !rows[1].box->isChecked(); }, together}}))
        return false;
    QString texts[2];
    for (int i = 0; i < 2; ++i) {
        const std::optional<QxSummerTimePoint> point = pointOf(rows[i], layout);
        if (!point)
            return false;
        // A list without a choice is no point either.
        if (!passes({{[&] { return !point->valid(layout) || (layout == Layout::Annual && !point->dayFitsMonth()); },
                      "time error!!"}}))
            return false;
        texts[i] = point->encode(layout);
    }
    for (int i = 0; i < 2; ++i)
        rows[i].hex->setText(texts[i]);
    return true;
}

void TfrmSummerTime::setChecked()
{
    const auto ticked = [](const PointRow (&rows)[2]) { return rows[0].box->isChecked() || rows[1].box->isChecked(); };
    const bool repeating = ticked(m_repeat);
    const bool annual = !repeating && ticked(m_annualRows);
    if (!offsetAccepted()
        || (repeating
            && !ruleAccepted(m_repeat, Layout::Repeating,
                             "The Repeat Summer Time Start and Repeat Summer Time End should be set together!"))
        || (annual
            && !ruleAccepted(m_annualRows, Layout::Annual,
                             "The Annual Summer Time Start and Annual Summer Time End should be set together!")))
        return;
    // The status names the rule the switch follows: it goes first, and a
    // refused one ends the sequence before the rule is touched.
    if (statusTicked()
        && !write({.binding = m_status, .tickedOnly = true, .readBack = DedicatedWrite::ReadBack::Never}))
        return;
    if (repeating || annual)
        write({.binding = repeating ? m_repeating.data() : m_annual.data(),
               .tickedOnly = true,
               .readBack = DedicatedWrite::ReadBack::Never});
}
