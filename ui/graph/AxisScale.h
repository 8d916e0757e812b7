#pragma once

#include <array>

// Round ranges for the two amount axes of the chart, the bars' on the left and
// the balance's on the right. Each holds zero and its values, both have the
// same number of steps, and zero sits on the same step of each, so the zero of
// the bars and the zero of the balance line are one line across the chart.
class AxisScale {
public:
    struct Range {
        double low = 0.0;
        double high = 0.0;
        double step = 0.0;
        int steps() const;
    };

    static std::array<Range, 2> sharedZero(Range left, Range right);
    // The smallest of 1, 2, 2.5 and 5 times a power of ten that is at least `atLeast`.
    static double roundStep(double atLeast);

private:
    static constexpr int fewestSteps = 4;
    static constexpr int mostSteps = 6;
};
