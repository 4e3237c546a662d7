// Registers every control DLL of the build in the current Wine prefix; exit code 0 when all
// registered.
#include "test_support.h"

int main() { return orvane::test::RegisterBuiltControls() ? 0 : 1; }
