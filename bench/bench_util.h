#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>
#include <vector>

namespace kov::bench {

// Nanoseconds on the system-wide monotonic clock, so that a parent and the child it started
// can compare their readings.
inline std::int64_t monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

inline double median(std::vector<double> values) {
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

inline double percentile(std::vector<double> values, double fraction) {
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1));
    return values[index];
}

// One "VmXXX:   1234 kB" line of /proc/self/status, in kB; 0 when it is not there.
inline long statusKb(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field + ":", 0) == 0)
            return std::stol(line.substr(field.size() + 1));
    }
    return 0;
}

// One row of the table every benchmark program prints: what, result, what it is compared
// with, and whether the target holds.
inline void printRow(const std::string& measure, const std::string& result,
                     const std::string& baseline, const std::string& ratio,
                     const std::string& target, bool met, bool informational = false) {
    std::printf("| %-46s | %11s | %11s | %7s | %-20s | %-4s |\n", measure.c_str(), result.c_str(),
                baseline.c_str(), ratio.c_str(), target.c_str(),
                informational ? ""
                : met         ? "met"
                              : "MISS");
    std::fflush(stdout);
}

inline std::string fixed(double value, int decimals, const char* unit) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f%s", decimals, value, unit);
    return text;
}

} // namespace kov::bench
