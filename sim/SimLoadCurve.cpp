#include "sim/SimLoadCurve.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <numeric>

namespace {

// Seconds from the start of one burst to the start of the next; the schedule
// repeats, so the gaps look irregular but the average holds.
constexpr std::array<double, 6> burstStarts{21, 34, 15, 27, 40, 18};
constexpr double scheduleSeconds = std::accumulate(burstStarts.begin(), burstStarts.end(), 0.0);

constexpr double steadySwing = 0.2;
// Between bursts the load still moves a little.
constexpr double quietSwing = 0.1;

} // namespace

SimLoadCurve SimLoadCurve::steady(double average, double period, double offset)
{
    SimLoadCurve curve;
    curve.m_level = average;
    curve.m_swing = steadySwing;
    curve.m_period = period;
    curve.m_offset = offset;
    return curve;
}

SimLoadCurve SimLoadCurve::bursty(double average, double quiet, double burstSeconds, double offset)
{
    SimLoadCurve curve;
    curve.m_level = quiet * average;
    curve.m_swing = quietSwing;
    curve.m_period = scheduleSeconds / 2;
    // A burst ends before the next one starts.
    curve.m_burstSeconds = std::min(burstSeconds, *std::min_element(burstStarts.begin(), burstStarts.end()));
    // What the quiet times leave of the average comes in the bursts.
    const double burstShare = curve.m_burstSeconds * static_cast<double>(burstStarts.size()) / scheduleSeconds;
    curve.m_boost = burstShare > 0 ? average * (1 - quiet) / burstShare : 0;
    curve.m_offset = offset;
    return curve;
}

double SimLoadCurve::cumulative(double seconds) const
{
    return fromOrigin(m_offset + seconds) - fromOrigin(m_offset);
}

double SimLoadCurve::fromOrigin(double t) const
{
    // The integral of level * (1 + swing * sin(2 pi t / period)), plus the bursts.
    const double omega = 2 * std::numbers::pi / m_period;
    const double swung = m_swing * (1 - std::cos(omega * t)) / omega;
    return m_level * (t + swung) + m_boost * burstTimeUntil(t);
}

double SimLoadCurve::burstTimeUntil(double t) const
{
    if (m_boost == 0)
        return 0;
    const double rounds = std::floor(t / scheduleSeconds);
    const double rest = t - rounds * scheduleSeconds;
    double time = rounds * static_cast<double>(burstStarts.size()) * m_burstSeconds;
    double start = 0;
    for (double gap : burstStarts) {
        time += std::clamp(rest - start, 0.0, m_burstSeconds);
        start += gap;
    }
    return time;
}
