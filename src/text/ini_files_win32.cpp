// SPDX-License-Identifier: Apache-2.0
#include <windows.h>

#include <algorithm>
#include <iterator>

#include "text/file_handle_win32.h"
#include "text/ini.h"
#include "text/ini_files.h"

namespace orca::text::ini::detail {

namespace {

// Tries of a read or a replacement that another writer's replacement refuses
// for a moment, a millisecond apart.
constexpr int kReplaceAttempts = 200;

// The errors that tell that nothing is at a path.
constexpr DWORD kNothingThere[] = {ERROR_FILE_NOT_FOUND, ERROR_PATH_NOT_FOUND, ERROR_INVALID_NAME,
                                   ERROR_INVALID_DRIVE,  ERROR_BAD_NETPATH,    ERROR_BAD_NET_NAME};

// A read or write of at most this many bytes at once fits the calls' DWORD counts.
constexpr size_t kChunk = 1u << 30;

bool WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min(bytes.size(), kChunk));
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0)
            return false;
        bytes.remove_prefix(written);
    }
    return true;
}

// Another writer's rename, or a reader that does not share the file's
// deletion, refuses an open or a replacement for that moment.
bool RefusedForNow(DWORD error) {
    return error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION;
}

}  // namespace

std::optional<bool> Exists(const FilePath& file) {
    if (GetFileAttributesW(file.c_str()) != INVALID_FILE_ATTRIBUTES)
        return true;
    if (std::ranges::find(kNothingThere, GetLastError()) != std::end(kNothingThere))
        return false;
    return std::nullopt;
}

std::optional<FileStamp> StampOf(const FilePath& file) {
    // Opened for its attributes only, sharing everything: the file's index
    // tells a file renamed over it apart even at the same size and time.
    const FileHandle opened(CreateFileW(
        file.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION info{};
    if (!opened.valid() || !GetFileInformationByHandle(opened.get(), &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return std::nullopt;
    const auto join = [](DWORD high, DWORD low) { return (std::uint64_t{high} << 32) | low; };
    return FileStamp{.size = join(info.nFileSizeHigh, info.nFileSizeLow),
                     .modified = static_cast<std::int64_t>(join(
                         info.ftLastWriteTime.dwHighDateTime, info.ftLastWriteTime.dwLowDateTime)),
                     .device = info.dwVolumeSerialNumber,
                     .identity = join(info.nFileIndexHigh, info.nFileIndexLow)};
}

std::optional<std::string> ReadWholeFile(const FilePath& file) {
    const DWORD attributes = GetFileAttributesW(file.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return std::nullopt;
    // Sharing the file's deletion lets a writer rename its new version into
    // place meanwhile; while one does, the open is refused and tried again.
    HANDLE opened = INVALID_HANDLE_VALUE;
    for (int attempt = 1;; ++attempt) {
        opened = CreateFileW(file.c_str(), GENERIC_READ,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (opened != INVALID_HANDLE_VALUE || !RefusedForNow(GetLastError()) ||
            attempt == kReplaceAttempts || !Exists(file).value_or(false))
            break;
        Sleep(1);
    }
    FileHandle in(opened);
    LARGE_INTEGER size{};
    if (!in.valid() || !GetFileSizeEx(in.get(), &size) ||
        static_cast<std::uint64_t>(size.QuadPart) > kMaxFileBytes)
        return std::nullopt;
    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD read = 0;
        const DWORD chunk = static_cast<DWORD>(std::min(bytes.size() - done, kChunk));
        if (!ReadFile(in.get(), bytes.data() + done, chunk, &read, nullptr))
            return std::nullopt;
        if (read == 0)
            break;  // the file shrank meanwhile
        done += read;
    }
    bytes.resize(done);
    return bytes;
}

bool ReplaceWholeFile(const FilePath& file, std::string_view bytes) {
    const FilePath aside = AsideName(file, GetCurrentProcessId());
    bool written = false;
    {
        // A new file: whatever is at the aside name (a link above all) is left alone.
        FileHandle out(CreateFileW(aside.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                   FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
        if (!out.valid())
            return false;
        written = WriteAll(out.get(), bytes) && FlushFileBuffers(out.get());
    }
    // A reader that does not share the file's deletion refuses the
    // replacement for a moment, so a refusal is tried again.
    for (int attempt = 1; written; ++attempt) {
        if (MoveFileExW(aside.c_str(), file.c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return true;
        if (!RefusedForNow(GetLastError()) || attempt == kReplaceAttempts)
            break;
        Sleep(1);
    }
    DeleteFileW(aside.c_str());
    return false;
}

namespace {

// Whether a process of the id exists (one this user may not open included).
bool Running(unsigned long id) {
    const HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(id));
    if (process == nullptr)
        return GetLastError() == ERROR_ACCESS_DENIED;
    const bool running = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    CloseHandle(process);
    return running;
}

}  // namespace

void RemoveLeftAsides(const FilePath& file) {
    const size_t separator = file.find_last_of(L"\\/");
    const FilePath folder =
        separator == FilePath::npos ? FilePath() : file.substr(0, separator + 1);
    const FilePath base = file.substr(separator == FilePath::npos ? 0 : separator + 1);
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW((file + L".~*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    constexpr DWORD kNotAFile = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT;
    do {
        const std::optional<unsigned long> owner = AsideOwner(found.cFileName, base);
        if (owner && (found.dwFileAttributes & kNotAFile) == 0 &&
            (*owner == GetCurrentProcessId() || !Running(*owner)))
            DeleteFileW((folder + found.cFileName).c_str());
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

bool IsAbsolute(const FilePath& file) {
    const auto separator = [](wchar_t c) { return c == L'\\' || c == L'/'; };
    // "\\server\share\..." or "C:\...".
    if (file.size() >= 2 && separator(file[0]) && separator(file[1]))
        return true;
    return file.size() >= 3 && file[1] == L':' && separator(file[2]);
}

FilePath AbsolutePath(const FilePath& file) {
    const DWORD size = GetFullPathNameW(file.c_str(), 0, nullptr, nullptr);
    if (size == 0)
        return file;
    FilePath full(size, L'\0');
    const DWORD length = GetFullPathNameW(file.c_str(), size, full.data(), nullptr);
    if (length == 0 || length >= size)
        return file;
    full.resize(length);
    return full;
}

}  // namespace orca::text::ini::detail
