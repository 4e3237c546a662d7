// The bytes a control saves through its stream and storage persistence, little-endian 32-bit
// words in this order: the format version (1), the extent _cx and _cy in HIMETRIC (unsigned),
// then the control's own persisted properties (signed), if it has any.
#pragma once

#include <windows.h>
#include <objidl.h>

#include <cstddef>
#include <vector>

namespace orvane {

inline constexpr DWORD kPersistedFormatVersion = 1;

struct PersistedState {
  DWORD cx = 0;
  DWORD cy = 0;
  std::vector<LONG> properties;
};

constexpr ULONG PersistedSize(std::size_t property_count) {
  return static_cast<ULONG>((3 + property_count) * sizeof(DWORD));
}

HRESULT WritePersistedState(IStream* stream, const PersistedState& state);

// Reads a state with `property_count` properties. On any failure (short stream, unknown
// version) `state` is left as it was.
HRESULT ReadPersistedState(IStream* stream, std::size_t property_count, PersistedState& state);

}  // namespace orvane
