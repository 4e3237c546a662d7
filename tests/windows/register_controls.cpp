// Registers every control DLL of the build, and the script test's image helper, in the current
// Wine prefix; exit code 0 when all registered.
#include "test_support.h"

namespace {

bool RegisterImageHelper() {
  HMODULE module = LoadLibraryW(orvane::test::BinPath(L"OrvaneTestImages.dll").c_str());
  if (module == nullptr) return false;
  using RegisterFn = HRESULT(STDAPICALLTYPE*)();
  auto reg = reinterpret_cast<RegisterFn>(
      reinterpret_cast<void*>(GetProcAddress(module, "DllRegisterServer")));
  const bool registered = reg != nullptr && reg() == S_OK;
  FreeLibrary(module);
  return registered;
}

}  // namespace

int main() {
  const bool controls = orvane::test::RegisterBuiltControls();
  const bool helper = RegisterImageHelper();
  return controls && helper ? 0 : 1;
}
