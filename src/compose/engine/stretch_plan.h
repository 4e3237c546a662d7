// How a stretch frame decides its pixels, worked out per column and per row before the pass:
// every stretch type's table separates into a column part and a row part (the conditions test
// tx or ty, a source coordinate depends on tx or on ty), so a pixel needs only its column's
// and its row's entries and a small rule table joining them.
#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

#include "effect_frame.h"
#include "stretch_geometry.h"
#include "stretch_lerp.h"
#include "travel.h"

namespace orvane::compose {

// One coordinate of a source position, ready for SampleBilinear's arithmetic.
struct AxisSample {
  int cell;         // floor of the position, one step back on the image's last column or row
  double fraction;  // the position minus its floor (not recomputed after that step back)
  double rest;      // 1 - fraction
  bool outside;     // the position lies outside the image: the pixel keeps the first image
};

inline AxisSample SampleAt(double position, int size) {
  if (!(position >= 0 && position < size)) return {0, 0.0, 1.0, true};
  int cell = static_cast<int>(std::floor(position));
  const double fraction = position - cell;
  if (cell == size - 1) cell = size - 2;
  return {cell, fraction, 1 - fraction, false};
}

// A pixel's own column or row, resampled at its whole position.
inline AxisSample OwnSample(int p, int size) {
  return {p == size - 1 ? size - 2 : p, 0.0, 1.0, false};
}

// Selects a pixel's own coordinate instead of one of an axis's lanes.
inline constexpr int kOwn = -1;

// What a pixel gets: assign first at its own position (copied, not sampled), or the named held
// image sampled at the coordinates of the given lanes.
struct PixelRule {
  bool sample = false;
  Held copy = Held::kFirst;
  int x_lane = kOwn;
  int y_lane = kOwn;
};

inline PixelRule Sample(Held copy, int x_lane, int y_lane) { return {true, copy, x_lane, y_lane}; }

// The per-position entries of one axis (columns or rows) of the image.
struct AxisPlan {
  // The table rows that hold at each position, packed as a code of up to 2 bits.
  std::vector<std::uint8_t> code;
  // Up to two sets of source coordinates (strips need one per strip).
  std::array<std::vector<AxisSample>, 2> lanes;
  int lane_count = 0;

  explicit AxisPlan(int size) : code(static_cast<std::size_t>(size), 0) {}

  // Runs `geometry` (a function of StretchAxis, t, origin, as in stretch_geometry.h) over every
  // position: its table row goes into the code at bit `shift`, its coordinate into a new lane.
  template <class Geometry>
  void AddLane(const StretchAxis& a, int shift, Geometry&& geometry) {
    auto& lane = lanes[lane_count++];
    const int size = static_cast<int>(code.size());
    lane.resize(code.size());
    for (int p = 0; p < size; ++p) {
      const int t = p % a.n;
      const AxisSource source = geometry(a, t, p - t);
      code[p] |= static_cast<std::uint8_t>(source.row << shift);
      lane[p] = SampleAt(source.position, size);
    }
  }

  // The same for a split that gives no coordinate.
  template <class Condition>
  void AddCode(const StretchAxis& a, Condition&& condition) {
    const int size = static_cast<int>(code.size());
    for (int p = 0; p < size; ++p) code[p] = condition(a, p % a.n) ? 0 : 1;
  }
};

struct StretchPlan {
  AxisPlan columns;
  AxisPlan rows;
  std::array<std::array<PixelRule, 4>, 4> rules{};  // [column code][row code]

  explicit StretchPlan(const EffectFrame& f) : columns(f.Width()), rows(f.Height()) {}
};

// Writes every pixel of the frame as the plan decides it.
void RenderStretch(const EffectFrame& f, const StretchPlan& plan);

}  // namespace orvane::compose
