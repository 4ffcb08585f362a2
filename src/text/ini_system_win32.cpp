#include <windows.h>

#include "text/ini_system.h"

namespace orca::text::ini::detail {

OpenedFile OpenFile(const std::filesystem::path& file, FileAccess access) {
    return OpenedFile(_wfopen(file.c_str(), access == FileAccess::kRead ? L"rb" : L"wb"));
}

void PauseBeforeRetry() {
    Sleep(1);
}

}  // namespace orca::text::ini::detail
