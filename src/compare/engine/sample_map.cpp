#include "sample_map.h"

namespace orvane::compare {

std::vector<int> SampleIndices(int first, int last, int grid_size, int source_size, bool smooth) {
  std::vector<int> indices(static_cast<std::size_t>(grid_size));
  for (int p = 0; p < grid_size; ++p) {
    indices[static_cast<std::size_t>(p)] =
        SampleIndex(first, last, p, grid_size, source_size, smooth);
  }
  return indices;
}

}  // namespace orvane::compare
