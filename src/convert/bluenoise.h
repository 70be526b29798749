#pragma once

#include <vector>

namespace monochrome {

// The blue-noise threshold matrix: kBlueNoiseSize x kBlueNoiseSize ranks, row after
// row, each of 0 .. kBlueNoiseSize^2 - 1 once, made by Ulichney's void-and-cluster
// method from a fixed seed (the same matrix on every run), tiled without seams.
inline constexpr int kBlueNoiseSize = 64;
const std::vector<int> &blueNoiseMatrix();

// The same method on any size (at least 2 x 2): the tests check small ones too.
std::vector<int> voidAndCluster(int size);

} // namespace monochrome
