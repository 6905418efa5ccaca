#pragma once

// Instances of the simulator's control subtree (see README, "The switch simulator").
namespace SimControl {
inline constexpr char root[] = "1.3.6.1.3.2400.1";
inline constexpr char dropPercent[] = "1.3.6.1.3.2400.1.1.0";
inline constexpr char delayMs[] = "1.3.6.1.3.2400.1.2.0";
inline constexpr char silentSeconds[] = "1.3.6.1.3.2400.1.3.0";
inline constexpr char nextMode[] = "1.3.6.1.3.2400.1.4.0";
inline constexpr char nextPrefix[] = "1.3.6.1.3.2400.1.5.0";
inline constexpr char saveCount[] = "1.3.6.1.3.2400.1.6.0";
inline constexpr char rebootCount[] = "1.3.6.1.3.2400.1.7.0";
inline constexpr char rebootSeconds[] = "1.3.6.1.3.2400.1.8.0";
inline constexpr char errorEntry[] = "1.3.6.1.3.2400.1.10.1";
inline constexpr char valueMode[] = "1.3.6.1.3.2400.1.11.0";
inline constexpr char valuePrefix[] = "1.3.6.1.3.2400.1.12.0";
inline constexpr char setCount[] = "1.3.6.1.3.2400.1.13.0";
inline constexpr char testMailCount[] = "1.3.6.1.3.2400.1.15.0";
inline constexpr char bulkMode[] = "1.3.6.1.3.2400.1.16.0";
inline constexpr char bulkCount[] = "1.3.6.1.3.2400.1.17.0";
// The bindings of the last SET applied (outside this subtree), one row each in
// the order they came: column 2 the instance, column 3 "TAG|VALUE".
inline constexpr char lastSetEntry[] = "1.3.6.1.3.2400.1.14.1";

enum NextMode { NextNormal = 1, NextRepeat = 2, NextBackwards = 3 };
enum ValueMode { ValuesAsStored = 1, ValuesOfAnotherType = 2, ValuesOverlong = 3 };
enum ErrorOps { ErrorsOnAll = 1, ErrorsOnReads = 2, ErrorsOnWrites = 3 };
// How GETBULK requests are met: as usual, with genErr, or not at all (an agent
// that only knows SNMPv1's operations).
enum BulkMode { BulkAnswered = 1, BulkRefused = 2, BulkIgnored = 3 };
} // namespace SimControl
