// The filmstrips of the composer's effect families, each a member and its rows of types.
#include "filmstrip.h"

namespace orvane::demo {

const std::vector<Filmstrip>& ComposeFilmstrips() {
  static const std::vector<Filmstrip> filmstrips = {
      {L"fade.png",
       L"Fade",
       {{L"PatternNone", 0},
        {L"PatternDots", 2},
        {L"PatternGrid", 4},
        {L"PatternLineDiagonal", 8},
        {L"PatternChess", 10},
        {L"PatternSpiner", 12},
        {L"PatternChess, 40 x 40 tiles", 10, 40, 40}}},
  };
  return filmstrips;
}

}  // namespace orvane::demo
