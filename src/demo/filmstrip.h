// A filmstrip: one effect member of ImageCompose rendered at several frame positions, one row
// per effect type (and tile size), labelled, written as a PNG.
#pragma once

#include <string>
#include <vector>

#include "automation.h"
#include "pictures.h"

namespace orvane::demo {

struct FilmstripRow {
  const wchar_t* label;  // the type's name as the type library spells it
  LONG type;
  int tiles_width = 0;  // below 2: the whole image
  int tiles_height = 0;
};

struct Filmstrip {
  const wchar_t* file;    // the PNG's name, "fade.png"
  const wchar_t* member;  // the effect member, "Fade"
  std::vector<FilmstripRow> rows;
};

// The frame positions every filmstrip shows, in percent.
inline const std::vector<double> kFramePositions = {0, 20, 40, 50, 60, 80, 100};

// Every filmstrip of ImageCompose's effects; a new effect family adds one entry.
const std::vector<Filmstrip>& ComposeFilmstrips();

// Renders `filmstrip` through `compose` (which already holds the two pictures, each of
// first's size) and writes it to `path`. Returns false when the PNG could not be written;
// `notes` receives a line for each member call that failed.
bool RenderFilmstrip(AutomationObject& compose, const Filmstrip& filmstrip, const Picture& first,
                     const std::wstring& path, std::vector<std::wstring>& notes);

}  // namespace orvane::demo
