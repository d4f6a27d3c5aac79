// Median, least and greatest of a set of measurements, as the bench prints them.
#pragma once

#include <algorithm>
#include <vector>

struct Spread {
    double median = 0;
    double min = 0;
    double max = 0;
};

// The median of an even count is the mean of the two middle values; no values give zeros.
inline Spread Summarize(std::vector<double> values) {
    Spread s;
    if (values.empty())
        return s;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    s.median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    s.min = values.front();
    s.max = values.back();
    return s;
}
