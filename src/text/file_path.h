// SPDX-License-Identifier: Apache-2.0
// A file's path as the system's own file calls take it: UTF-16 (wchar_t) on
// Windows, bytes (UTF-8) elsewhere. A std::filesystem::path converts to it
// implicitly, so code that keeps its paths as those passes them on as they are.
#pragma once

#include <string>

namespace orca::text {

#ifdef _WIN32
using FilePath = std::wstring;
#else
using FilePath = std::string;
#endif

}  // namespace orca::text
