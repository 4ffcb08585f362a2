// What the INI files need of the system: a file opened through C stdio, and
// a short pause before another try at a file that a concurrent replacement
// holds. On Windows neither goes through the C++ library's streams or
// sleep, which call into winpthreads and so record the calling thread: a
// record that stays in the host's process when the host unloads the DLL.
#pragma once

#include <cstdio>
#include <filesystem>
#include <memory>

namespace orca::text::ini::detail {

struct FileClose {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using OpenedFile = std::unique_ptr<std::FILE, FileClose>;

enum class FileAccess { kRead, kWrite };

// The file opened in binary mode; for writing, created or emptied. Null when
// it cannot be opened.
OpenedFile OpenFile(const std::filesystem::path& file, FileAccess access);

// Waits about a millisecond.
void PauseBeforeRetry();

}  // namespace orca::text::ini::detail
