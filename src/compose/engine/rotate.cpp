#include "rotate.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

#include "sample_bilinear.h"

namespace orvane::compose {
namespace {

struct Spin {
  bool moves_last;  // the last image turns over the first (growing), else the first over the last
  int turns;
};

constexpr std::array<Spin, 4> kSpins = {{
    {false, 1},  // RotateTypeSingleIn
    {false, 2},  // RotateTypeTwiceIn
    {true, 1},   // RotateTypeSingleOut
    {true, 2},   // RotateTypeTwiceOut
}};

// Where each pixel of one tile row finds its source, relative to the tile's origin: the part of
// the geometry that depends only on the pixel's place in its tile, shared by every tile of an
// image row.
class RowSources {
 public:
  RowSources(const EffectFrame& f, double scale, double angle)
      : centre_x_((f.grid.tile_width - 1) * 0.5),
        centre_y_((f.grid.tile_height - 1) * 0.5),
        scale_(scale),
        angle_(angle),
        reach_(Reach(centre_x_, centre_y_, scale)),
        along_(static_cast<std::size_t>(std::min(f.grid.tile_width, f.Width()))),
        across_(along_.size()) {}

  double CentreX() const { return centre_x_; }
  double CentreY() const { return centre_y_; }

  // Computes the row of tile row `ty`. Only the columns from Begin() to End() can take their
  // colour from the moving image; every other column of the row lies too far from the centre.
  void Compute(int ty) {
    const double ey = ty - centre_y_;
    const double sign = ey < 0 ? -1.0 : 1.0;
    begin_ = 0;
    end_ = 0;
    const double room = reach_ * reach_ - ey * ey;
    if (!(room >= 0)) return;
    // Columns beyond cx +- (half + 1) lie farther than the reach from the centre.
    const double half = std::sqrt(room);
    const double visible = static_cast<double>(along_.size());
    begin_ = static_cast<int>(std::clamp(std::ceil(centre_x_ - half - 1), 0.0, visible));
    end_ = static_cast<int>(std::clamp(std::floor(centre_x_ + half + 1) + 1, 0.0, visible));
    for (int tx = begin_; tx < end_; ++tx) {
      const double ex = tx - centre_x_;
      const double r = std::hypot(ex, ey);
      const double phi = r == 0 ? 0.0 : sign * std::acos(ex / r);
      const double alpha = phi - angle_;
      const double rho = r / scale_;
      along_[tx] = std::cos(alpha) * rho;
      across_[tx] = std::sin(alpha) * rho;
    }
  }

  int Begin() const { return begin_; }
  int End() const { return end_; }
  double Along(int tx) const { return along_[tx]; }    // cos(alpha) x rho
  double Across(int tx) const { return across_[tx]; }  // sin(alpha) x rho

 private:
  // A pixel farther than this from the tile centre takes its source from a point at more than
  // hypot(cx, cy) + 2 from the centre, outside the tile by more than a pixel along one axis. The
  // margins (one part in a million, two pixels, a column either side) dwarf every rounding of
  // the source position, so the pixels left out are exactly those whose source the formula
  // would put outside the tile.
  static double Reach(double cx, double cy, double scale) {
    return scale * (std::hypot(cx, cy) * (1 + 1e-6) + 2);
  }

  double centre_x_;
  double centre_y_;
  double scale_;
  double angle_;
  double reach_;
  std::vector<double> along_;
  std::vector<double> across_;
  int begin_ = 0;
  int end_ = 0;
};

}  // namespace

void Rotate(const EffectFrame& f, int type) {
  if (type < 0 || type >= static_cast<int>(kSpins.size())) return;
  const Spin& spin = kSpins[type];
  const double frame = f.frame;
  const double scale = spin.moves_last ? frame * 0.01 : (100 - frame) * 0.01;
  const double angle = spin.turns * (frame * 0.01) * 6.283;
  const std::uint8_t* moving = spin.moves_last ? f.last : f.first;
  const std::uint8_t* behind = spin.moves_last ? f.first : f.last;

  const int width = f.Width();
  const int height = f.Height();
  const double tile_w = f.grid.tile_width;
  const double tile_h = f.grid.tile_height;
  RowSources row(f, scale, angle);
  const double cx = row.CentreX();
  const double cy = row.CentreY();
  int row_y = -1;

  ForEachTileSpan(f, [&](const TileSpan& span) {
    if (span.y != row_y) {
      row.Compute(span.ty);
      row_y = span.y;
    }
    const std::size_t at = PixelOffset(f, span.x0, span.y);
    std::uint8_t* out = f.out.data + at;
    const std::uint8_t* back = behind + at;
    const int begin = std::min(row.Begin(), span.count);
    const int end = std::min(row.End(), span.count);
    CopyColourRun(out, back, begin);

    // The source has to lie inside the pixel's own tile (upper limits one short of the tile's
    // last column and row) and inside the image.
    const double x0 = span.x0;
    const double y0 = span.tile_y0;
    const double x_limit = std::min(x0 + tile_w - 1, static_cast<double>(width));
    const double y_limit = std::min(y0 + tile_h - 1, static_cast<double>(height));
    for (int tx = begin; tx < end; ++tx) {
      const std::size_t offset = static_cast<std::size_t>(tx) * kBytesPerPixel;
      const double x = row.Along(tx) + x0 + cx;
      const double y = row.Across(tx) + y0 + cy;
      if (x >= x0 && x < x_limit && y >= y0 && y < y_limit) {
        out[offset + 2] = SampleBilinear(x, y, moving, width, height, 2);
        out[offset + 1] = SampleBilinear(x, y, moving, width, height, 1);
        out[offset + 0] = SampleBilinear(x, y, moving, width, height, 0);
      } else {
        CopyColour(out + offset, back + offset);
      }
    }
    const auto rest = static_cast<std::size_t>(std::max(begin, end)) * kBytesPerPixel;
    CopyColourRun(out + rest, back + rest, span.count - std::max(begin, end));
  });
}

}  // namespace orvane::compose
