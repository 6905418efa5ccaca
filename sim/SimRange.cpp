#include "sim/SimRange.h"

#include <charconv>

template<typename Visit>
bool SimRange::forEach(std::string_view ranges, Visit visit)
{
    while (!ranges.empty()) {
        std::size_t comma = ranges.find(',');
        std::string_view part = ranges.substr(0, comma);
        std::size_t dots = part.find("..");
        std::string_view lowText = part.substr(0, dots);
        std::string_view highText = dots == std::string_view::npos ? lowText : part.substr(dots + 2);
        std::int64_t low = 0, high = 0;
        auto r1 = std::from_chars(lowText.data(), lowText.data() + lowText.size(), low);
        auto r2 = std::from_chars(highText.data(), highText.data() + highText.size(), high);
        if (lowText.empty() || highText.empty() || r1.ec != std::errc() || r2.ec != std::errc()
            || r1.ptr != lowText.data() + lowText.size() || r2.ptr != highText.data() + highText.size()
            || low > high)
            return false;
        if (visit(low, high))
            return true;
        if (comma == std::string_view::npos)
            break;
        ranges.remove_prefix(comma + 1);
    }
    return false;
}

bool SimRange::contains(const char *ranges, std::int64_t value)
{
    if (!ranges || !*ranges)
        return true;
    return forEach(ranges, [value](std::int64_t low, std::int64_t high) { return value >= low && value <= high; });
}

bool SimRange::valid(const char *ranges)
{
    if (!ranges || !*ranges)
        return true;
    // forEach stops at the first part that does not parse, so every part must be seen.
    const std::string_view text(ranges);
    std::size_t parts = 1;
    for (char c : text)
        parts += c == ',';
    std::size_t seen = 0;
    forEach(text, [&seen](std::int64_t, std::int64_t) {
        ++seen;
        return false;
    });
    return seen == parts;
}
