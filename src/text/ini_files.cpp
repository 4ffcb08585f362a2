// SPDX-License-Identifier: Apache-2.0
#include "text/ini_files.h"

#include <atomic>

namespace orca::text::ini::detail {

FilePath AsideName(const FilePath& file, unsigned long processId) {
    static std::atomic<unsigned> counter{0};
    const std::string suffix = ".~" + std::to_string(processId) + "-" + std::to_string(counter++);
    return file + FilePath(suffix.begin(), suffix.end());
}

}  // namespace orca::text::ini::detail
