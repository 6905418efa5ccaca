#include "sim/SimRange.h"

#include <charconv>

template<typename Visit>
bool SimRange::forEach(std::string_view spec, Visit visit)
{
    while (!spec.empty()) {
        std::size_t comma = spec.find(',');
        std::string_view part = spec.substr(0, comma);
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
        spec.remove_prefix(comma + 1);
    }
    return false;
}

bool SimRange::contains(const char *spec, std::int64_t value)
{
    if (!spec || !*spec)
        return true;
    return forEach(spec, [value](std::int64_t low, std::int64_t high) { return value >= low && value <= high; });
}

bool SimRange::valid(const char *spec)
{
    if (!spec || !*spec)
        return true;
    bool ok = true;
    std::string_view text(spec);
    // Walk once, checking each part parses; forEach returns false on a bad part
    // and also when no visit returned true, so count the parts instead.
    std::size_t parts = 1;
    for (char c : text)
        if (c == ',')
            ++parts;
    std::size_t seen = 0;
    forEach(text, [&seen](std::int64_t, std::int64_t) { ++seen; return false; });
    ok = seen == parts;
    return ok;
}
