// Slab-coefficient component held by the slab calculator: panel moment and deflection
// coefficients of two-way slabs by support conditions. Filled in with the slab calculation.
#pragma once

namespace tk {

class SlabCoefficients {
 public:
  SlabCoefficients() = default;
};

}  // namespace tk
