#include "device/QxRateChart.h"

#include "device/QxRateHistory.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace {

constexpr int Margin = 6;
constexpr int AxisWidth = 74;   // the scale's labels, left of the plot
constexpr int TimeAxisHeight = 18;
constexpr int HeadHeight = 20;  // title and legend
constexpr int ScaleSteps = 4;

// The time axis widens with the history, so that a window just opened shows
// its first points across the chart, up to the ten minutes kept.
struct TimeSpan
{
    int seconds;
    int steps; // grid lines after the first
};
constexpr TimeSpan TimeSpans[] = {{60, 4}, {120, 4}, {300, 5}, {600, 5}};
static_assert(std::size(TimeSpans) > 0 && TimeSpans[std::size(TimeSpans) - 1].seconds == QxRateHistory::KeptSeconds,
              "the widest span is the history kept");

TimeSpan spanFor(double coveredSeconds)
{
    for (const TimeSpan &span : TimeSpans)
        if (coveredSeconds <= span.seconds)
            return span;
    return TimeSpans[std::size(TimeSpans) - 1];
}

QString timeLabel(int secondsAgo)
{
    if (secondsAgo == 0)
        return QStringLiteral("now");
    if (secondsAgo % 60 == 0)
        return QStringLiteral("-%1 min").arg(secondsAgo / 60);
    return QStringLiteral("-%1 s").arg(secondsAgo);
}

// Up to three significant digits, no trailing zeros.
QString significant(double value)
{
    const double magnitude = std::fabs(value);
    const int decimals = magnitude >= 100 || magnitude == 0 ? 0 : magnitude >= 10 ? 1 : 2;
    QString text = QString::number(value, 'f', decimals);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    return text;
}

} // namespace

QxRateChart::QxRateChart(const QxRateHistory &history, QList<int> series, Unit unit, const QString &title,
                         QWidget *parent)
    : QWidget(parent), m_history(history), m_series(std::move(series)), m_unit(unit), m_title(title)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QString QxRateChart::formatRate(double value, Unit unit)
{
    struct Prefix
    {
        double factor;
        const char *bits;
        const char *count;
    };
    static const Prefix prefixes[] = {
        {1e9, " Gbit/s", " G/s"}, {1e6, " Mbit/s", " M/s"}, {1e3, " kbit/s", " k/s"}, {1, " bit/s", "/s"}};
    for (const Prefix &p : prefixes)
        if (std::fabs(value) >= p.factor || p.factor == 1)
            return significant(value / p.factor) + QLatin1String(unit == Unit::BitsPerSecond ? p.bits : p.count);
    return QString();
}

double QxRateChart::scaleTop(double largest, Unit unit)
{
    const double least = unit == Unit::BitsPerSecond ? 1000.0 : 1.0;
    const double value = std::max(largest, least);
    const double power = std::pow(10.0, std::floor(std::log10(value)));
    for (double step : {1.0, 2.0, 2.5, 5.0, 10.0})
        if (step * power >= value)
            return step * power;
    return 10.0 * power;
}

QSize QxRateChart::sizeHint() const
{
    return {640, 220};
}

QSize QxRateChart::minimumSizeHint() const
{
    return {360, 150};
}

QColor QxRateChart::colorOf(int index) const
{
    static const QColor colors[] = {QColor(0, 150, 0), QColor(0, 90, 220), QColor(200, 0, 0), QColor(230, 120, 0)};
    return colors[index % int(std::size(colors))];
}

void QxRateChart::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), palette().color(QPalette::Base));
    const QFontMetrics fm(font());

    // Title, then the legend with each series' current value.
    QFont bold = font();
    bold.setBold(true);
    p.setFont(bold);
    p.setPen(palette().color(QPalette::Text));
    p.drawText(QRect(Margin, Margin, width(), HeadHeight), Qt::AlignLeft | Qt::AlignVCenter, m_title);
    int x = Margin + QFontMetrics(bold).horizontalAdvance(m_title) + 16;
    p.setFont(font());
    for (int k = 0; k < m_series.size(); ++k) {
        const std::optional<double> now = m_history.current(m_series[k]);
        const QString text = m_history.seriesNames().value(m_series[k]) + QStringLiteral(": ")
                             + (now ? formatRate(*now, m_unit) : QStringLiteral("\u2013"));
        p.fillRect(QRect(x, Margin + HeadHeight / 2 - 4, 10, 8), colorOf(k));
        p.drawText(QRect(x + 14, Margin, width(), HeadHeight), Qt::AlignLeft | Qt::AlignVCenter, text);
        x += 14 + fm.horizontalAdvance(text) + 16;
    }

    const QRect plot(Margin + AxisWidth, Margin + HeadHeight + 4, width() - 2 * Margin - AxisWidth,
                     height() - 2 * Margin - HeadHeight - 4 - TimeAxisHeight);
    if (plot.width() <= 0 || plot.height() <= 0)
        return;

    // The time up to the newest point ("now"), and a scale over what it holds.
    const double end = m_history.lastSeconds();
    const double first = m_history.points().empty() ? end : m_history.points().front().seconds;
    const TimeSpan span = spanFor(end - first);
    const double begin = end - span.seconds;
    double largest = 0;
    for (const QxRateHistory::Point &point : m_history.points())
        for (int s : m_series)
            if (s < point.rates.size() && point.rates[s])
                largest = std::max(largest, *point.rates[s]);
    const double top = scaleTop(largest, m_unit);
    const auto xOf = [&](double seconds) { return plot.left() + (seconds - begin) / (end - begin) * plot.width(); };
    const auto yOf = [&](double rate) { return plot.bottom() - rate / top * plot.height(); };

    // Grid and axes.
    const QColor grid(225, 225, 225);
    for (int i = 0; i <= ScaleSteps; ++i) {
        const double rate = top * i / ScaleSteps;
        const int y = int(std::lround(yOf(rate)));
        p.setPen(i == 0 ? palette().color(QPalette::Text) : grid);
        p.drawLine(plot.left(), y, plot.right(), y);
        p.setPen(palette().color(QPalette::Text));
        p.drawText(QRect(Margin, y - fm.height() / 2, AxisWidth - 6, fm.height()), Qt::AlignRight | Qt::AlignVCenter,
                   formatRate(rate, m_unit));
    }
    for (int i = 0; i <= span.steps; ++i) {
        const int xi = int(std::lround(plot.left() + double(plot.width()) * i / span.steps));
        p.setPen(i == 0 ? palette().color(QPalette::Text) : grid);
        p.drawLine(xi, plot.top(), xi, plot.bottom());
        const QString label = timeLabel(span.seconds - span.seconds / span.steps * i);
        p.setPen(palette().color(QPalette::Text));
        const int w = fm.horizontalAdvance(label);
        p.drawText(std::clamp(xi - w / 2, plot.left(), plot.right() - w), plot.bottom() + fm.ascent() + 3, label);
    }

    // One line per series, broken at every gap.
    p.setClipRect(plot.adjusted(0, -1, 1, 1));
    for (int k = 0; k < m_series.size(); ++k) {
        const int s = m_series[k];
        p.setPen(QPen(colorOf(k), 1.6));
        QPainterPath line;
        bool drawing = false;
        for (const QxRateHistory::Point &point : m_history.points()) {
            if (s >= point.rates.size() || !point.rates[s]) {
                drawing = false;
                continue;
            }
            const QPointF at(xOf(point.seconds), yOf(*point.rates[s]));
            if (drawing) {
                line.lineTo(at);
            } else {
                line.moveTo(at);
                // A point alone between gaps still shows.
                line.addEllipse(at, 1.2, 1.2);
                line.moveTo(at);
            }
            drawing = true;
        }
        p.drawPath(line);
    }
}
