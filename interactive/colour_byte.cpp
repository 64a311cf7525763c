#include "interactive/colour_byte.h"

#include <algorithm>
#include <cmath>

namespace fx {

A_u_char colour_byte(double fraction) {
    const double scaled = std::round(fraction * 255.0);
    if (!(scaled > 0.0)) return 0;  // NaN as well
    return static_cast<A_u_char>(std::min(scaled, 255.0));
}

}  // namespace fx
