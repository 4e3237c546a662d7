// Self-registration through regsvr32: every registry entry read back, a second registration
// over a first, unregistration, and the type library's own registration.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "test_support.h"

namespace orvane::test {
namespace {

// Runs regsvr32 silently with `arguments` and returns its exit code (-1 if it did not run).
int RunRegsvr32(const std::wstring& arguments) {
  std::wstring command = L"regsvr32.exe /s " + arguments;
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process = {};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return -1;
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return static_cast<int>(code);
}

std::wstring Quoted(const std::wstring& path) { return L"\"" + path + L"\""; }

bool KeyExists(const std::wstring& key) {
  HKEY handle = nullptr;
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) {
    return false;
  }
  RegCloseKey(handle);
  return true;
}

// The string value `name` (null: the default value) of `key`, or "<missing>".
std::wstring ValueOf(const std::wstring& key, const wchar_t* name) {
  wchar_t buffer[1024] = {};
  DWORD bytes = sizeof(buffer);
  if (RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), name, RRF_RT_REG_SZ, nullptr, buffer, &bytes) !=
      ERROR_SUCCESS) {
    return L"<missing>";
  }
  return buffer;
}

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

struct ExpectedValue {
  std::wstring key;
  const wchar_t* name;  // null: the default value
  std::wstring value;   // empty: the key must exist, its value is not looked at
};

std::vector<ExpectedValue> EntriesOf(const ControlRow& c) {
  const std::wstring path = DllPath(c);
  const std::wstring clsid_key = std::wstring(L"CLSID\\") + c.clsid;
  return {
      {c.prog_id, nullptr, c.description},
      {std::wstring(c.prog_id) + L"\\CLSID", nullptr, c.clsid},
      {c.version_independent_prog_id, nullptr, c.description},
      {std::wstring(c.version_independent_prog_id) + L"\\CLSID", nullptr, c.clsid},
      {std::wstring(c.version_independent_prog_id) + L"\\CurVer", nullptr, c.prog_id},
      {clsid_key, nullptr, c.description},
      {clsid_key + L"\\ProgID", nullptr, c.prog_id},
      {clsid_key + L"\\VersionIndependentProgID", nullptr, c.version_independent_prog_id},
      {clsid_key + L"\\Programmable", nullptr, L""},
      {clsid_key + L"\\InprocServer32", nullptr, path},
      {clsid_key + L"\\InprocServer32", L"ThreadingModel", L"Apartment"},
      {clsid_key, L"AppID", c.appid},
      {clsid_key + L"\\Control", nullptr, L""},
      {clsid_key + L"\\ToolboxBitmap32", nullptr, path + L", 102"},
      {clsid_key + L"\\MiscStatus", nullptr, L"0"},
      {clsid_key + L"\\MiscStatus\\1", nullptr, std::to_wstring(c.misc_status)},
      {clsid_key + L"\\TypeLib", nullptr, c.libid},
      {clsid_key + L"\\Version", nullptr, L"1.0"},
      {std::wstring(L"AppID\\") + c.appid, nullptr, c.deliverable},
      {std::wstring(L"AppID\\") + c.deliverable + L".DLL", L"AppID", c.appid},
      // The type library, registered from the DLL itself.
      {std::wstring(L"TypeLib\\") + c.libid + L"\\1.0\\409\\win64", nullptr, path},
      {std::wstring(L"Interface\\") + c.iid + L"\\TypeLib", nullptr, c.libid},
  };
}

// The keys unregistration removes whole.
std::vector<std::wstring> KeysOf(const ControlRow& c) {
  return {c.prog_id,
          c.version_independent_prog_id,
          std::wstring(L"CLSID\\") + c.clsid,
          std::wstring(L"AppID\\") + c.appid,
          std::wstring(L"AppID\\") + c.deliverable + L".DLL",
          std::wstring(L"TypeLib\\") + c.libid,
          std::wstring(L"Interface\\") + c.iid};
}

void ExpectRegistered(const ControlRow& control) {
  for (const ExpectedValue& entry : EntriesOf(control)) {
    SCOPED_TRACE(Narrow(entry.key) + (entry.name ? " value " + Narrow(entry.name) : ""));
    ASSERT_TRUE(KeyExists(entry.key));
    if (!entry.value.empty()) {
      EXPECT_EQ(_wcsicmp(ValueOf(entry.key, entry.name).c_str(), entry.value.c_str()), 0)
          << "got " << Narrow(ValueOf(entry.key, entry.name)) << ", want " << Narrow(entry.value);
    }
  }
}

std::wstring AllDlls() {
  std::wstring list;
  for (const ControlRow& control : BuiltControls()) list += Quoted(DllPath(control)) + L" ";
  return list;
}

constexpr const wchar_t* kStaleKeys[] = {L"\\Stale", L"\\Programmable\\Stale", L"\\Control\\Stale",
                                         L"\\ToolboxBitmap32\\Stale"};

// One regsvr32 run per step for all the controls: each run costs a process start under Wine.
TEST(Registration, WritesEveryEntryRewritesTheClassKeyAndRemovesAllOfIt) {
  ASSERT_FALSE(BuiltControls().empty());
  // regsvr32 registers over a first registration that left stale subkeys in the class key;
  // the class key and its subkeys are written anew, so they are gone afterwards.
  ASSERT_TRUE(RegisterBuiltControls());
  for (const ControlRow& control : BuiltControls()) {
    for (const wchar_t* stale : kStaleKeys) {
      HKEY key = nullptr;
      const std::wstring path = std::wstring(L"CLSID\\") + control.clsid + stale;
      ASSERT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                                &key, nullptr),
                ERROR_SUCCESS);
      RegCloseKey(key);
    }
  }
  ASSERT_EQ(RunRegsvr32(AllDlls()), 0);
  for (const ControlRow& control : BuiltControls()) {
    SCOPED_TRACE(Narrow(control.deliverable));
    ExpectRegistered(control);
    for (const wchar_t* stale : kStaleKeys) {
      EXPECT_FALSE(KeyExists(std::wstring(L"CLSID\\") + control.clsid + stale)) << Narrow(stale);
    }
  }

  ASSERT_EQ(RunRegsvr32(L"/u " + AllDlls()), 0);
  for (const ControlRow& control : BuiltControls()) {
    for (const std::wstring& key : KeysOf(control)) {
      EXPECT_FALSE(KeyExists(key)) << Narrow(key);
    }
  }
  EXPECT_TRUE(KeyExists(L"CLSID"));
  EXPECT_TRUE(KeyExists(L"AppID"));
  // Unregistering what is not registered is no failure.
  for (const ControlRow& control : BuiltControls()) {
    EXPECT_EQ(CallDllExport(control, "DllUnregisterServer"), S_OK) << Narrow(control.deliverable);
  }

  // The other tests expect the controls registered.
  EXPECT_TRUE(RegisterBuiltControls());
}

// The picture ToolboxBitmap32 names: bitmap resource 102, 16 x 16 pixels in 16 colours.
TEST(Registration, EachDllCarriesItsToolboxBitmap) {
  for (const ControlRow& control : BuiltControls()) {
    SCOPED_TRACE(Narrow(control.deliverable));
    HMODULE module = LoadLibraryExW(DllPath(control).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr);
    HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(102), MAKEINTRESOURCEW(2));
    ASSERT_NE(resource, nullptr);
    ASSERT_GE(SizeofResource(module, resource), sizeof(BITMAPINFOHEADER));
    const auto* header =
        static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(module, resource)));
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->biWidth, 16);
    EXPECT_EQ(std::abs(header->biHeight), 16);
    EXPECT_EQ(header->biBitCount, 4);
    FreeLibrary(module);
  }
}

}  // namespace
}  // namespace orvane::test
