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
        if (rule.x_lane != kOwn) needs_weights_[rule.x_lane] |= rule.y_lane == kOwn;
        if (rule.x_lane == kOwn && rule.y_lane != kOwn) PrepareRowLane(rule.y_lane);
      }
    }
    // Lanes along rows with fraction 0 need each column's weight; lanes used only with both
    // fractions in play need just the columns' cells and fractions.
    for (const auto& by_column : plan.rules) {
      for (const PixelRule& rule : by_column) {
        if (rule.sample && rule.x_lane != kOwn) PrepareColumnLane(rule.x_lane);
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
        lane.forms[x] = ColumnForm::Of(0, 0.0, copy);  // reads a valid cell
      } else if (needs_weights_[lane_index]) {
        lane.forms[x] = ColumnForm::Of(4 * s.cell, s.fraction, cache_.Of(s.fraction));
      } else {
        lane.forms[x] = ColumnForm::Of(4 * s.cell, s.fraction);
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

    const ColumnLane& lane = column_lanes_[rule.x_lane];
    if (ys.fraction == 0) {
      LerpColumns(out, lower, lane.forms.data(), x_begin, x_end);
    } else {
      BilinearColumns(out, lower, upper, lane.forms.data(), ys.fraction, x_begin, x_end);
    }
    const auto first_outside = std::lower_bound(lane.outside.begin(), lane.outside.end(), x_begin);
    for (auto it = first_outside; it != lane.outside.end() && *it < x_end; ++it) {
      CopyColour(out + at(*it), own + at(*it));
    }
  }

  const EffectFrame& f_;
  const StretchPlan& plan_;
  std::vector<ColumnRun> runs_;
  WeightCache cache_;
  std::array<ColumnLane, 2> column_lanes_;
  std::array<std::vector<LerpWeight>, 2> row_weights_;
  std::array<bool, 2> needs_weights_{};
};

}  // namespace

void RenderStretch(const EffectFrame& f, const StretchPlan& plan) { StretchPass(f, plan).Run(); }

}  // namespace orvane::compose
