#include "persisted_state.h"

namespace orvane {
namespace {

void PutWord(BYTE* out, DWORD value) {
  for (int i = 0; i < 4; ++i) out[i] = static_cast<BYTE>(value >> (8 * i));
}

DWORD GetWord(const BYTE* in) {
  DWORD value = 0;
  for (int i = 0; i < 4; ++i) value |= static_cast<DWORD>(in[i]) << (8 * i);
  return value;
}

}  // namespace

HRESULT WritePersistedState(IStream* stream, const PersistedState& state) {
  if (stream == nullptr) return E_POINTER;
  std::vector<BYTE> bytes(PersistedSize(state.properties.size()));
  PutWord(&bytes[0], kPersistedFormatVersion);
  PutWord(&bytes[4], state.cx);
  PutWord(&bytes[8], state.cy);
  for (std::size_t i = 0; i < state.properties.size(); ++i) {
    PutWord(&bytes[12 + 4 * i], static_cast<DWORD>(state.properties[i]));
  }
  ULONG written = 0;
  const HRESULT hr = stream->Write(bytes.data(), static_cast<ULONG>(bytes.size()), &written);
  if (FAILED(hr)) return hr;
  return written == bytes.size() ? S_OK : STG_E_WRITEFAULT;
}

HRESULT ReadPersistedState(IStream* stream, std::size_t property_count, PersistedState& state) {
  if (stream == nullptr) return E_POINTER;
  std::vector<BYTE> bytes(PersistedSize(property_count));
  ULONG total = 0;
  while (total < bytes.size()) {
    ULONG read = 0;
    const HRESULT hr =
        stream->Read(bytes.data() + total, static_cast<ULONG>(bytes.size()) - total, &read);
    if (FAILED(hr)) return hr;
    if (read == 0) return STG_E_READFAULT;
    total += read;
  }
  if (GetWord(&bytes[0]) != kPersistedFormatVersion) return E_FAIL;
  PersistedState loaded;
  loaded.cx = GetWord(&bytes[4]);
  loaded.cy = GetWord(&bytes[8]);
  for (std::size_t i = 0; i < property_count; ++i) {
    loaded.properties.push_back(static_cast<LONG>(GetWord(&bytes[12 + 4 * i])));
  }
  state = std::move(loaded);
  return S_OK;
}

}  // namespace orvane
