#pragma once

// How busy one kind of traffic on a link is over time, as a multiple of its
// counters' average growth: a slow swing around a level, plus bursts on a
// fixed schedule (one starts every 15 to 40 seconds). A function of time
// alone, so that runs, and the tests on them, repeat.
class SimLoadCurve
{
public:
    // No traffic at all.
    SimLoadCurve() = default;
    // Never idle: the load swings by a fifth either side of `average`, once
    // every `period` seconds.
    static SimLoadCurve steady(double average, double period, double offset);
    // Mostly quiet, at `quiet` times `average` (0: silent), with bursts of
    // `burstSeconds` that bring the load up to `average` over the schedule.
    static SimLoadCurve bursty(double average, double quiet, double burstSeconds, double offset);

    // The load summed over the first `seconds` (from 0): the counters that
    // follow it grow by this many seconds' worth of their average growth.
    double cumulative(double seconds) const;

private:
    // The sum from the start of the swing and schedule, before the offset is taken off.
    double fromOrigin(double t) const;
    double burstTimeUntil(double t) const;

    double m_level = 0;        // the load outside bursts, around which it swings
    double m_swing = 0;        // relative to the level
    double m_period = 1;       // of the swing, seconds
    double m_boost = 0;        // load added during a burst
    double m_burstSeconds = 0;
    double m_offset = 0;       // how far into its swing and schedule the curve starts
};
