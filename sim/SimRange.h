#pragma once
#include <cstdint>
#include <string_view>

// The range notation of the definition tables: "1..4094", "1,2,5..7".
class SimRange
{
public:
    // True when `ranges` is null or empty, or value lies in one of them.
    static bool contains(const char *ranges, std::int64_t value);
    // True when `ranges` parses; used to check the tables once at start.
    static bool valid(const char *ranges);

private:
    template<typename Visit>
    static bool forEach(std::string_view ranges, Visit visit);
};
