#include <chrono>
#include <thread>

#include "text/ini_system.h"

namespace orca::text::ini::detail {

OpenedFile OpenFile(const std::filesystem::path& file, FileAccess access) {
    return OpenedFile(std::fopen(file.c_str(), access == FileAccess::kRead ? "rb" : "wb"));
}

void PauseBeforeRetry() {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

}  // namespace orca::text::ini::detail
