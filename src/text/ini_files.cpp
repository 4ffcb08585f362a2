#include "text/ini_files.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <random>
#include <thread>

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
    std::ifstream in;
    for (int attempt = 1;; ++attempt) {
        in.open(file, std::ios::binary | std::ios::ate);
        if (in || attempt == kReplaceAttempts || !fs::exists(file, error))
            break;
        in.clear();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    std::streamoff size = in ? static_cast<std::streamoff>(in.tellg()) : -1;
    if (size < 0)
        return std::nullopt;
    std::string bytes(static_cast<size_t>(size), '\0');
    in.seekg(0);
    in.read(bytes.data(), size);
    if (in.bad())
        return std::nullopt;
    bytes.resize(static_cast<size_t>(in.gcount()));  // the file may have shrunk meanwhile
    return bytes;
}

bool ReplaceFile(const fs::path& file, std::string_view bytes) {
    // The salt keeps two processes writing the same file apart, the counter two threads.
    static const unsigned salt = std::random_device{}();
    static std::atomic<unsigned> counter{0};
    fs::path aside = file;
    aside += ".~" + std::to_string(salt) + "-" + std::to_string(counter++);
    {
        std::ofstream out(aside, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
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
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    if (error) {
        fs::remove(aside, error);
        return false;
    }
    return true;
}

}  // namespace orca::text::ini::detail
