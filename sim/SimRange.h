#pragma once
#include <cstdint>
#include <string_view>

// The range notation of the definition tables: "1..4094", "1,2,5..7".
class SimRange
{
public:
    // True when spec is null/empty or value lies in one of its ranges.
    static bool contains(const char *spec, std::int64_t value);
    // True when spec parses; used to check the tables once at start.
    static bool valid(const char *spec);

private:
    template<typename Visit>
    static bool forEach(std::string_view spec, Visit visit);
};
