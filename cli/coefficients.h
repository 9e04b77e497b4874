// `kalbex coefficients`: slab-panel moment and deflection coefficients from the plate solver.
#pragma once

#include <optional>
#include <string>

namespace kalbex {

// Prints the coefficient JSON object of one panel, or with `table` the wall table of the edge
// case over its span-ratio range. Returns the process exit code (2 for unreadable edges).
int CmdCoefficients(const std::string& edges, std::optional<double> lx, std::optional<double> ly,
                    double nu, bool table);

}  // namespace kalbex
