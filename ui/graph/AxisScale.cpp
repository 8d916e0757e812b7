#include "AxisScale.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

struct Extent {
    double below = 0.0;
    double above = 0.0;
};

Extent extentOf(const AxisScale::Range& range) {
    Extent extent{std::max(0.0, -range.low), std::max(0.0, range.high)};
    if (extent.below + extent.above == 0.0) {
        extent.above = 1.0; // nothing to show still needs a scale
    }
    return extent;
}

// The step that fits `extent` with `stepsBelow` of `steps` under zero, or none.
double stepFor(const Extent& extent, int stepsBelow, int steps) {
    const int stepsAbove = steps - stepsBelow;
    if ((extent.below > 0.0 && stepsBelow == 0) || (extent.above > 0.0 && stepsAbove == 0)) {
        return 0.0;
    }
    const double below = stepsBelow > 0 ? extent.below / stepsBelow : 0.0;
    const double above = stepsAbove > 0 ? extent.above / stepsAbove : 0.0;
    return AxisScale::roundStep(std::max(below, above));
}

} // namespace

int AxisScale::Range::steps() const {
    return step > 0.0 ? int(std::lround((high - low) / step)) : 0;
}

double AxisScale::roundStep(double atLeast) {
    if (!(atLeast > 0.0)) {
        return 0.0;
    }
    const double power = std::pow(10.0, std::floor(std::log10(atLeast)));
    for (const double factor : {1.0, 2.0, 2.5, 5.0, 10.0}) {
        // A hair of slack: 300 / 3 is one step of 100, not of 200.
        if (factor * power >= atLeast * (1.0 - 1e-9)) {
            return factor * power;
        }
    }
    return 10.0 * power;
}

std::array<AxisScale::Range, 2> AxisScale::sharedZero(Range left, Range right) {
    const std::array<Extent, 2> extents = {extentOf(left), extentOf(right)};
    std::array<Range, 2> best;
    double leastWaste = std::numeric_limits<double>::infinity();
    for (int steps = fewestSteps; steps <= mostSteps; ++steps) {
        for (int below = 0; below <= steps; ++below) {
            std::array<Range, 2> ranges;
            double waste = 0.0;
            bool fits = true;
            for (std::size_t i = 0; i < extents.size() && fits; ++i) {
                const double step = stepFor(extents[i], below, steps);
                fits = step > 0.0;
                ranges[i] = {-below * step, (steps - below) * step, step};
                // The share of the axis left empty, summed over both.
                waste += 1.0 - (extents[i].below + extents[i].above) / (steps * step);
            }
            // A little for each step, so more lines must earn their place.
            waste += 0.02 * steps;
            // Fewer steps win a tie: the first found stays.
            if (fits && waste < leastWaste - 1e-9) {
                leastWaste = waste;
                best = ranges;
            }
        }
    }
    return best;
}
