// The demo host: renders filmstrips of ImageCompose's effects between two pictures, using the
// control exactly as a script would (late-bound, by ProgID).
//
//   orvane_demo [--out FOLDER] [FIRST_PICTURE LAST_PICTURE]
//
// With no pictures it draws two of its own. The filmstrips are PNG files in FOLDER (the
// current folder by default); the program prints the path of each.
#include <windows.h>
#include <ole2.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "automation.h"
#include "filmstrip.h"
#include "gdiplus_include.h"
#include "pictures.h"

namespace orvane::demo {
namespace {

constexpr int kSampleWidth = 240;
constexpr int kSampleHeight = 160;
constexpr int kMaxWidth = 320;

struct Options {
  std::wstring out_folder = L".";
  std::vector<std::wstring> pictures;
};

bool ParseOptions(int argc, wchar_t** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const std::wstring argument = argv[i];
    if (argument == L"--out" && i + 1 < argc) {
      options.out_folder = argv[++i];
    } else if (argument.starts_with(L"--")) {
      return false;
    } else {
      options.pictures.push_back(argument);
    }
  }
  return options.pictures.empty() || options.pictures.size() == 2;
}

// Both pictures at the first one's size, at most kMaxWidth wide (even sizes keep tiles tidy).
bool LoadPictures(const Options& options, Picture& first, Picture& last) {
  if (options.pictures.empty()) {
    first = SamplePicture(Sample::kDay, kSampleWidth, kSampleHeight);
    last = SamplePicture(Sample::kNight, kSampleWidth, kSampleHeight);
    return true;
  }
  const SIZE size = PictureFileSize(options.pictures[0]);
  if (size.cx < 2 || size.cy < 2) {
    fwprintf(stderr, L"Cannot read the picture %ls\n", options.pictures[0].c_str());
    return false;
  }
  const int width = std::min<int>(size.cx, kMaxWidth);
  const int height =
      std::max(2, static_cast<int>(static_cast<long long>(size.cy) * width / size.cx));
  for (int i = 0; i < 2; ++i) {
    if (!LoadPicture(options.pictures[i], width, height, i == 0 ? first : last)) {
      fwprintf(stderr, L"Cannot read the picture %ls\n", options.pictures[i].c_str());
      return false;
    }
  }
  return true;
}

std::wstring FullPath(const std::wstring& folder, const wchar_t* file) {
  std::wstring path = folder;
  if (!path.empty() && path.back() != L'\\' && path.back() != L'/') path += L'\\';
  path += file;
  wchar_t full[MAX_PATH] = {};
  return GetFullPathNameW(path.c_str(), MAX_PATH, full, nullptr) != 0 ? full : path;
}

int Run(const Options& options) {
  Picture first, last;
  if (!LoadPictures(options, first, last)) return 1;

  AutomationObject compose(L"OrvaneImageCompose.ImageCompose");
  if (!compose.Valid()) {
    fwprintf(stderr,
             L"Cannot create OrvaneImageCompose.ImageCompose (0x%08lX): is the DLL registered?\n",
             static_cast<unsigned long>(compose.Error()));
    return 1;
  }
  Variant first_image(ToImageArray(first));
  Variant last_image(ToImageArray(last));
  if (FAILED(compose.Call(L"SetFirstImage", {Reference(first_image)})) ||
      FAILED(compose.Call(L"SetLastImage", {Reference(last_image)}))) {
    fwprintf(stderr, L"ImageCompose refused the pictures\n");
    return 1;
  }

  CreateDirectoryW(options.out_folder.c_str(), nullptr);
  int status = 0;
  for (const Filmstrip& filmstrip : ComposeFilmstrips()) {
    const std::wstring path = FullPath(options.out_folder, filmstrip.file);
    std::vector<std::wstring> notes;
    if (!RenderFilmstrip(compose, filmstrip, first, path, notes)) {
      fwprintf(stderr, L"Cannot write %ls\n", path.c_str());
      status = 1;
      continue;
    }
    for (const std::wstring& note : notes) fwprintf(stderr, L"  %ls\n", note.c_str());
    wprintf(L"Wrote %ls (%ls: %zu rows x %zu frames)\n", path.c_str(), filmstrip.member,
            filmstrip.rows.size(), kFramePositions.size());
  }
  return status;
}

}  // namespace
}  // namespace orvane::demo

int wmain(int argc, wchar_t** argv) {
  orvane::demo::Options options;
  if (!orvane::demo::ParseOptions(argc, argv, options)) {
    fwprintf(stderr, L"usage: orvane_demo [--out FOLDER] [FIRST_PICTURE LAST_PICTURE]\n");
    return 2;
  }
  if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 1;
  Gdiplus::GdiplusStartupInput startup;
  ULONG_PTR token = 0;
  if (Gdiplus::GdiplusStartup(&token, &startup, nullptr) != Gdiplus::Ok) return 1;
  const int status = orvane::demo::Run(options);
  Gdiplus::GdiplusShutdown(token);
  CoUninitialize();
  return status;
}
