#pragma once

#include "convert/lightplane.h"

namespace monochrome {

// Direct binary search: from the start, each pixel in turn is toggled or swapped
// with one of its 8 neighbours when that lowers the blurred error against the
// target (eyemodel.h), the change that lowers it most; passes repeat until one
// changes nothing (or a bound on the passes). A change is made only when it lowers
// the error: never more blurred error than the start.
Dots directBinarySearch(const LightPlane &target, const Dots &start);

} // namespace monochrome
