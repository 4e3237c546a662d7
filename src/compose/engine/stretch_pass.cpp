#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "stretch_lines.h"
#include "stretch_plan.h"

namespace orvane::compose {
namespace {

// Columns with one code next to each other: the rule is the same along them in every row.
struct ColumnRun {
  int begin;
  int end;
  int code;
};

// Weights by fraction: the columns and rows of one frame share few fractions when the scale is
// a simple ratio, and working out a weight costs some hundred multiplications.
class WeightCache {
 public:
  const LerpWeight& Of(double a) {
    std::uint64_t bits;
    std::memcpy(&bits, &a, sizeof bits);
    Slot& slot = slots_[(bits ^ bits >> 29 ^ bits >> 41) % slots_.size()];
    if (!slot.used || slot.bits != bits) slot = {true, bits, LerpWeight::For(a)};
    return slot.weight;
  }

 private:
  struct Slot {
    bool used = false;
    std::uint64_t bits = 0;
    LerpWeight weight;
  };
  std::array<Slot, 251> slots_{};
};

// A column lane prepared for rows whose sample positions have fraction 0: each column's weight,
// and the columns whose sources lie outside the image, which are written again after the vector
// loop (their forms copy a valid cell so that the loop reads inside the row).
struct ColumnLane {
  std::vector<ColumnForm> forms;
  std::vector<int> outside;
};

class StretchPass {
 public:
  StretchPass(const EffectFrame& f, const StretchPlan& plan) : f_(f), plan_(plan) {
    const int width = f.Width();
    for (int x = 0; x < width;) {
      const int code = plan.columns.code[x];
      int end = x + 1;
      while (end < width && plan.columns.code[end] == code) ++end;
      runs_.push_back({x, end, code});
      x = end;
    }
    for (const auto& by_column : plan.rules) {
      for (const PixelRule& rule : by_column) {
        if (!rule.sample) continue;
        if (rule.y_lane == kOwn && rule.x_lane != kOwn) PrepareColumnLane(rule.x_lane);
        if (rule.x_lane == kOwn && rule.y_lane != kOwn) PrepareRowLane(rule.y_lane);
      }
    }
  }

  void Run() {
    for (int y = 0; y < f_.Height(); ++y) {
      const int row_code = plan_.rows.code[y];
      for (const ColumnRun& run : runs_) {
        RenderRun(plan_.rules[run.code][row_code], y, run.begin, run.end);
      }
    }
  }

 private:
  void PrepareColumnLane(int lane_index) {
    ColumnLane& lane = column_lanes_[lane_index];
    if (!lane.forms.empty()) return;
    const auto& samples = plan_.columns.lanes[lane_index];
    const LerpWeight copy = LerpWeight::For(0.0);
    const int width = f_.Width();
    lane.forms.resize(width);
    for (int x = 0; x < width; ++x) {
      const AxisSample& s = samples[x];
      if (s.outside) {
        lane.outside.push_back(x);
        lane.forms[x] = ColumnForm::Of(0, 0.0, copy);
      } else {
        lane.forms[x] = ColumnForm::Of(4 * s.cell, s.fraction, cache_.Of(s.fraction));
      }
    }
  }

  void PrepareRowLane(int lane_index) {
    std::vector<LerpWeight>& weights = row_weights_[lane_index];
    if (!weights.empty()) return;
    const auto& samples = plan_.rows.lanes[lane_index];
    weights.resize(samples.size());
    for (std::size_t y = 0; y < samples.size(); ++y) {
      if (!samples[y].outside && samples[y].fraction != 0) {
        weights[y] = cache_.Of(samples[y].fraction);
      }
    }
  }

  void RenderRun(const PixelRule& rule, int y, int x_begin, int x_end) {
    const int width = f_.Width();
    std::uint8_t* out = f_.out.data + PixelOffset(f_, 0, y);
    const std::uint8_t* own = f_.first + PixelOffset(f_, 0, y);
    const auto at = [](int x) { return std::size_t{4} * static_cast<std::size_t>(x); };
    const AxisSample ys =
        rule.y_lane == kOwn ? OwnSample(y, f_.Height()) : plan_.rows.lanes[rule.y_lane][y];
    if (!rule.sample || ys.outside) {
      CopyColourRun(out + at(x_begin), own + at(x_begin), x_end - x_begin);
      return;
    }
    const std::uint8_t* lower =
        (rule.copy == Held::kFirst ? f_.first : f_.last) + PixelOffset(f_, 0, ys.cell);
    const std::uint8_t* upper = lower + at(width);

    if (rule.x_lane == kOwn) {
      // Whole columns: each pixel samples its own column, the last column the one before it.
      const int plain_end = std::min(x_end, width - 1);
      const int count = plain_end - x_begin;
      if (ys.fraction == 0) {
        if (count > 0) CopyColourRun(out + at(x_begin), lower + at(x_begin), count);
        if (x_end == width) CopyColour(out + at(width - 1), lower + at(width - 2));
        return;
      }
      const LerpWeight& weight = row_weights_[rule.y_lane][y];
      const auto lerp = [&](int to, int from, int n) {
        LerpRows(out + at(to), upper + at(from), lower + at(from), n, weight);
      };
      if (count > 0) lerp(x_begin, x_begin, count);
      if (x_end == width) lerp(width - 1, width - 2, 1);
      return;
    }

    const std::vector<AxisSample>& xs = plan_.columns.lanes[rule.x_lane];
    if (ys.fraction == 0) {
      const ColumnLane& lane = column_lanes_[rule.x_lane];
      if (lane.forms.empty()) {
        LineByDefinition(out, own, lower, xs, x_begin, x_end);
        return;
      }
      LerpColumns(out, lower, lane.forms.data(), x_begin, x_end);
      const auto first_outside =
          std::lower_bound(lane.outside.begin(), lane.outside.end(), x_begin);
      for (auto it = first_outside; it != lane.outside.end() && *it < x_end; ++it) {
        CopyColour(out + at(*it), own + at(*it));
      }
      return;
    }
    Bilinear(out, own, lower, upper, xs, ys, y, rule.y_lane, x_begin, x_end);
  }

  // Sample positions on the row through `lower` (fraction 0 along y), by the definition.
  static void LineByDefinition(std::uint8_t* out, const std::uint8_t* own,
                               const std::uint8_t* lower, const std::vector<AxisSample>& xs,
                               int x_begin, int x_end) {
    for (int x = x_begin; x < x_end; ++x) {
      const AxisSample& s = xs[x];
      std::uint8_t* pixel = out + std::size_t{4} * x;
      if (s.outside) {
        CopyColour(pixel, own + std::size_t{4} * x);
        continue;
      }
      const std::uint8_t* p0 = lower + std::size_t{4} * s.cell;
      for (int c = 2; c >= 0; --c) {
        pixel[c] = static_cast<std::uint8_t>(p0[4 + c] * s.fraction + p0[c] * s.rest);
      }
    }
  }

  // Both fractions in play: SampleBilinear's four terms in their order, with the row's factors
  // p x fy and p x (1 - fy) looked up (they are the same rounded products).
  void Bilinear(std::uint8_t* out, const std::uint8_t* own, const std::uint8_t* lower,
                const std::uint8_t* upper, const std::vector<AxisSample>& xs, const AxisSample& ys,
                int y, int y_lane, int x_begin, int x_end) {
    if (terms_row_ != y || terms_lane_ != y_lane) {
      for (int p = 0; p < 256; ++p) {
        by_fraction_[p] = p * ys.fraction;
        by_rest_[p] = p * ys.rest;
      }
      terms_row_ = y;
      terms_lane_ = y_lane;
    }
    const double fy = ys.fraction;
    for (int x = x_begin; x < x_end; ++x) {
      const AxisSample& s = xs[x];
      std::uint8_t* pixel = out + std::size_t{4} * x;
      if (s.outside) {
        CopyColour(pixel, own + std::size_t{4} * x);
        continue;
      }
      const std::uint8_t* q0 = lower + std::size_t{4} * s.cell;
      const std::uint8_t* q1 = upper + std::size_t{4} * s.cell;
      for (int c = 2; c >= 0; --c) {
        const double value = by_fraction_[q1[4 + c]] * s.fraction + q1[c] * s.rest * fy +
                             by_rest_[q0[4 + c]] * s.fraction + by_rest_[q0[c]] * s.rest;
        pixel[c] = static_cast<std::uint8_t>(value);
      }
    }
  }

  const EffectFrame& f_;
  const StretchPlan& plan_;
  std::vector<ColumnRun> runs_;
  WeightCache cache_;
  std::array<ColumnLane, 2> column_lanes_;
  std::array<std::vector<LerpWeight>, 2> row_weights_;
  std::array<double, 256> by_fraction_{};
  std::array<double, 256> by_rest_{};
  int terms_row_ = -1;
  int terms_lane_ = -1;
};

}  // namespace

void RenderStretch(const EffectFrame& f, const StretchPlan& plan) { StretchPass(f, plan).Run(); }

}  // namespace orvane::compose
