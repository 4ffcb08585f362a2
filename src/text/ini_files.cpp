#include "text/ini_files.h"

#include <atomic>
#include <random>

#include "text/ini_system.h"

namespace orca::text::ini::detail {

namespace fs = std::filesystem;

// Tries of a replacement or a read that another thread's replacement refuses
// for a moment, a millisecond apart.
constexpr int kReplaceAttempts = 200;

std::optional<FileStamp> StampOf(const fs::path& file) {
    // file_size refuses anything but a regular file, so two status reads do.
    std::error_code error;
    FileStamp stamp{fs::file_size(file, error), {}};
    if (error)
        return std::nullopt;
    stamp.modified = fs::last_write_time(file, error);
    if (error)
        return std::nullopt;
    return stamp;
}

std::optional<std::string> ReadWholeFile(const fs::path& file) {
    std::error_code error;
    if (!fs::is_regular_file(file, error))
        return std::nullopt;
    // On Windows the file cannot be opened while a writer renames its new
    // version into place; the open is tried again while the file is there.
    OpenedFile in;
    for (int attempt = 1;; ++attempt) {
        in = OpenFile(file, FileAccess::kRead);
        if (in || attempt == kReplaceAttempts || !fs::exists(file, error))
            break;
        PauseBeforeRetry();
    }
    if (!in)
        return std::nullopt;
    // Read to its end: the file may have grown or shrunk since its size was asked.
    std::string bytes;
    if (const std::uintmax_t size = fs::file_size(file, error); !error)
        bytes.reserve(static_cast<size_t>(size));
    char chunk[16384];
    while (const size_t read = std::fread(chunk, 1, sizeof(chunk), in.get()))
        bytes.append(chunk, read);
    if (std::ferror(in.get()))
        return std::nullopt;
    return bytes;
}

bool ReplaceFile(const fs::path& file, std::string_view bytes) {
    // The salt keeps two processes writing the same file apart, the counter two threads.
    static const unsigned salt = std::random_device{}();
    static std::atomic<unsigned> counter{0};
    const std::string suffix = ".~" + std::to_string(salt) + "-" + std::to_string(counter++);
    // Taken character by character into the system's path characters: a
    // narrow string would be converted through the C++ library's locale, whose
    // first use on Windows records the calling thread in winpthreads.
    fs::path aside = file;
    aside += fs::path::string_type(suffix.begin(), suffix.end());
    {
        OpenedFile out = OpenFile(aside, FileAccess::kWrite);
        const bool written =
            out != nullptr &&
            std::fwrite(bytes.data(), 1, bytes.size(), out.get()) == bytes.size() &&
            std::fclose(out.release()) == 0;
        if (!written) {
            std::error_code ignored;
            fs::remove(aside, ignored);
            return false;
        }
    }
    std::error_code ignored;
    fs::file_status old = fs::status(file, ignored);
    if (fs::exists(old))
        fs::permissions(aside, old.permissions(), ignored);
    // On Windows a reader that has the file open (without sharing its deletion)
    // refuses the replacement for that moment, so a refusal is tried again.
    std::error_code error;
    for (int attempt = 1;; ++attempt) {
        fs::rename(aside, file, error);
        if (error != std::errc::permission_denied || attempt == kReplaceAttempts)
            break;
        PauseBeforeRetry();
    }
    if (error) {
        fs::remove(aside, error);
        return false;
    }
    return true;
}

}  // namespace orca::text::ini::detail
