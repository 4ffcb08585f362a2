#include "sim_env.h"

#include <cstdlib>
#include <string>

namespace orca::testsupport {
namespace {

std::filesystem::path TempBase() {
    const char* tmp = std::getenv("TMPDIR");
    return tmp != nullptr && *tmp != '\0' ? std::filesystem::path(tmp)
                                          : std::filesystem::temp_directory_path();
}

}  // namespace

TempDirectory::TempDirectory() {
    const std::filesystem::path base = TempBase();
    std::filesystem::create_directories(base);
    std::string pattern = (base / "orca-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        ADD_FAILURE() << "cannot create a temporary directory under " << base;
        return;
    }
    path_ = pattern;
}

TempDirectory::~TempDirectory() {
    if (!path_.empty()) {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
}

ScopedSimEnvironment::ScopedSimEnvironment()
    : env_(std::make_unique<platform::sim::Environment>(root_.Path())),
      install_(std::make_unique<platform::sim::ScopedInstall>(*env_)) {}

}  // namespace orca::testsupport
