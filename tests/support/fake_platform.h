#pragma once
// The platform doubles together, with a temporary folder of their own, for
// tests that drive the program's logic natively.

#include "platform/platform.h"
#include "support/fake_clock.h"
#include "support/local_files.h"
#include "support/memory_registry.h"
#include "support/temp_dir.h"

namespace testsupport {

struct FakePlatform {
    TempDir root{"ts"};
    MemoryRegistry registry;
    LocalFiles files{root.file("temp") + "/"};
    FakeClock clock;
    platform::Platform platform{registry, files, clock};

    FakePlatform() { std::filesystem::create_directories(root.path() / "temp"); }
};

}  // namespace testsupport
