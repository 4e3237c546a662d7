#include "stretch.h"

#include "slide_regions.h"
#include "stretch_plan.h"

namespace orvane::compose {
namespace {

constexpr int kFirstRow = 0;  // the row code of a table's first row

// The rule of the unsupported types: the first image resampled at every pixel's own position.
void ResampleFirst(StretchPlan& plan) { plan.rules[0][0] = Sample(Held::kFirst, kOwn, kOwn); }

StretchAxis ColumnAxis(const EffectFrame& f) {
  return StretchAxis::For(f.grid.tile_width, f.frame);
}
StretchAxis RowAxis(const EffectFrame& f) { return StretchAxis::For(f.grid.tile_height, f.frame); }

// Either end of an axis a side movement enters from; both functions give row 0 for the last
// image and row 1 for the first.
AxisSource EnteringFrom(int from, const StretchAxis& a, int t, int origin) {
  return from > 0 ? SideFromLow(a, t, origin) : SideFromHigh(a, t, origin);
}

}  // namespace

void StretchSide(const EffectFrame& f, int type) {
  StretchPlan plan(f);
  const auto direction = SideDirectionOf(type);
  if (!direction) {
    ResampleFirst(plan);
  } else if (direction->from_y == 0 || direction->from_x == 0) {
    // Straight types: the tile is cut at the moving edge; the last image's whole tile is scaled
    // into the part it enters, the first image's into the rest, along that axis only.
    const bool vertical = direction->from_x == 0;
    const int from = vertical ? direction->from_y : direction->from_x;
    AxisPlan& axis = vertical ? plan.rows : plan.columns;
    axis.AddLane(vertical ? RowAxis(f) : ColumnAxis(f), 0,
                 [from](const StretchAxis& a, int t, int origin) {
                   return EnteringFrom(from, a, t, origin);
                 });
    for (int row = 0; row < 2; ++row) {
      const Held copy = row == kFirstRow ? Held::kLast : Held::kFirst;
      if (vertical) {
        plan.rules[0][row] = Sample(copy, kOwn, 0);
      } else {
        plan.rules[row][0] = Sample(copy, 0, kOwn);
      }
    }
  } else {
    // Corner types: only the last image is scaled, into the corner rectangle it enters; every
    // other pixel keeps the first image unsampled.
    plan.columns.AddLane(ColumnAxis(f), 0, [&](const StretchAxis& a, int t, int origin) {
      return EnteringFrom(direction->from_x, a, t, origin);
    });
    plan.rows.AddLane(RowAxis(f), 0, [&](const StretchAxis& a, int t, int origin) {
      return EnteringFrom(direction->from_y, a, t, origin);
    });
    plan.rules[kFirstRow][kFirstRow] = Sample(Held::kLast, 0, 0);
  }
  RenderStretch(f, plan);
}

void StretchStrips(const EffectFrame& f, int type) {
  StretchPlan plan(f);
  if (type == 0 || type == 1) {
    // Vertical: columns up to the middle behave like SideTypeBottomToTop, the others like
    // SideTypeTopToBottom; horizontal: rows up to the middle like SideTypeLeftToRight, the
    // others like SideTypeRightToLeft. The split axis gives code 0 or 1 (the strip), the moving
    // axis carries both strips' lanes, whose table rows make up bits 0 and 1 of its code.
    const bool vertical = type == 0;
    AxisPlan& split = vertical ? plan.columns : plan.rows;
    AxisPlan& moving = vertical ? plan.rows : plan.columns;
    split.AddCode(vertical ? ColumnAxis(f) : RowAxis(f),
                  [](const StretchAxis& a, int t) { return t <= a.middle; });
    const StretchAxis along = vertical ? RowAxis(f) : ColumnAxis(f);
    moving.AddLane(along, 0, SideFromLow);
    moving.AddLane(along, 1, SideFromHigh);
    for (int strip = 0; strip < 2; ++strip) {
      for (int code = 0; code < 4; ++code) {
        const bool last = ((code >> strip) & 1) == kFirstRow;
        const PixelRule rule = vertical ? Sample(last ? Held::kLast : Held::kFirst, kOwn, strip)
                                        : Sample(last ? Held::kLast : Held::kFirst, strip, kOwn);
        if (vertical) {
          plan.rules[strip][code] = rule;
        } else {
          plan.rules[code][strip] = rule;
        }
      }
    }
  } else {
    ResampleFirst(plan);
  }
  RenderStretch(f, plan);
}

void StretchDoor(const EffectFrame& f, int type) {
  StretchPlan plan(f);
  if (type >= 0 && type < 4) {
    // DoorTypeVerticalIn, VerticalOut, HorizontalIn, HorizontalOut: four bands along one axis,
    // the table rows in their order giving the held image of each band.
    const bool vertical = type < 2;
    const bool in = type % 2 == 0;
    static constexpr Held kInCopies[4] = {Held::kLast, Held::kFirst, Held::kLast, Held::kFirst};
    static constexpr Held kOutCopies[4] = {Held::kFirst, Held::kFirst, Held::kLast, Held::kLast};
    AxisPlan& axis = vertical ? plan.rows : plan.columns;
    const StretchAxis along = vertical ? RowAxis(f) : ColumnAxis(f);
    if (in) {
      axis.AddLane(along, 0, DoorIn);
    } else {
      axis.AddLane(along, 0, DoorOut);
    }
    for (int row = 0; row < 4; ++row) {
      const Held copy = in ? kInCopies[row] : kOutCopies[row];
      if (vertical) {
        plan.rules[0][row] = Sample(copy, kOwn, 0);
      } else {
        plan.rules[row][0] = Sample(copy, 0, kOwn);
      }
    }
  } else {
    ResampleFirst(plan);
  }
  RenderStretch(f, plan);
}

void StretchCenter(const EffectFrame& f, int type) {
  StretchPlan plan(f);
  if (type == 0 || type == 1) {
    // CenterTypeBoxIn: the first image's tile shrinks into a centred box inset by HX, HY;
    // CenterTypeBoxOut: the last image's grows in a box inset by RX, RY. The other image
    // fills the rest of the tile, resampled at each pixel's own position.
    const bool in = type == 0;
    const StretchAxis columns = ColumnAxis(f), rows = RowAxis(f);
    const double inset_x = in ? columns.half : columns.rest;
    const double inset_y = in ? rows.half : rows.rest;
    plan.columns.AddLane(columns, 0, [inset_x](const StretchAxis& a, int t, int origin) {
      return Box(a, inset_x, t, origin);
    });
    plan.rows.AddLane(rows, 0, [inset_y](const StretchAxis& a, int t, int origin) {
      return Box(a, inset_y, t, origin);
    });
    const Held boxed = in ? Held::kFirst : Held::kLast;
    const Held around = in ? Held::kLast : Held::kFirst;
    for (auto& by_row : plan.rules) by_row.fill(Sample(around, kOwn, kOwn));
    plan.rules[kFirstRow][kFirstRow] = Sample(boxed, 0, 0);
  } else {
    ResampleFirst(plan);
  }
  RenderStretch(f, plan);
}

}  // namespace orvane::compose
