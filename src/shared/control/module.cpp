#include "module.h"

namespace orvane::module {
namespace {

HINSTANCE g_instance = nullptr;
LONG g_count = 0;

}  // namespace

void SetInstance(HINSTANCE instance) { g_instance = instance; }

HINSTANCE Instance() { return g_instance; }

std::wstring Path() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        GetModuleFileNameW(g_instance, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

void AddRef() { InterlockedIncrement(&g_count); }

void Release() { InterlockedDecrement(&g_count); }

bool InUse() { return InterlockedCompareExchange(&g_count, 0, 0) != 0; }

}  // namespace orvane::module
