// SPDX-License-Identifier: Apache-2.0
#include "text/ini_cache.h"

#include <atomic>
#include <map>
#include <mutex>

#include "text/ini.h"
#include "text/ini_files.h"

namespace orca::text::ini {
namespace detail {
namespace {

// Few files go through the module (language files, model map, settings
// files); the bound only keeps a stream of distinct paths from piling up.
constexpr size_t kMaxKept = 64;

struct Kept {
    FileStamp stamp;
    std::string bytes;
    std::shared_ptr<const Profile> profile;
};

using CacheKey = std::pair<FilePath, unsigned>;

class ProfileCache {
public:
    std::shared_ptr<const Profile> Load(const FilePath& file, unsigned codePage) {
        std::optional<FileStamp> stamp = StampOf(file);
        if (!stamp)
            return nullptr;
        bool enabled = enabled_;
        CacheKey key{AbsolutePath(file), codePage};
        if (enabled) {
            std::lock_guard lock(mutex_);
            auto found = kept_.find(key);
            if (found != kept_.end() && found->second.stamp == *stamp)
                return found->second.profile;
        }
        std::optional<std::string> bytes = ReadWholeFile(file);
        if (!bytes)
            return nullptr;
        if (!enabled)
            return std::make_shared<const Profile>(LoadDocument(std::move(*bytes), codePage));
        {
            // A file written anew with the same bytes, as each page writes its
            // language file, keeps its parse.
            std::lock_guard lock(mutex_);
            auto found = kept_.find(key);
            if (found != kept_.end() && found->second.bytes == *bytes) {
                found->second.stamp = *stamp;
                return found->second.profile;
            }
        }
        auto profile = std::make_shared<const Profile>(LoadDocument(*bytes, codePage));
        std::lock_guard lock(mutex_);
        if (kept_.size() >= kMaxKept)
            kept_.clear();
        kept_[key] = {*stamp, std::move(*bytes), profile};
        return profile;
    }

    void Forget(const FilePath& file) {
        const FilePath path = AbsolutePath(file);
        std::lock_guard lock(mutex_);
        auto at = kept_.lower_bound({path, 0});
        while (at != kept_.end() && at->first.first == path)
            at = kept_.erase(at);
    }

    void SetEnabled(bool enabled) {
        enabled_ = enabled;
        std::lock_guard lock(mutex_);
        kept_.clear();
    }

private:
    std::atomic<bool> enabled_{true};
    std::mutex mutex_;
    std::map<CacheKey, Kept> kept_;
};

ProfileCache& Cache() {
    static ProfileCache cache;
    return cache;
}

}  // namespace

std::shared_ptr<const Profile> LoadProfile(const FilePath& file, unsigned codePage) {
    return Cache().Load(file, codePage);
}

void ForgetProfile(const FilePath& file) {
    Cache().Forget(file);
}

}  // namespace detail

void SetCacheEnabled(bool enabled) {
    detail::Cache().SetEnabled(enabled);
}

}  // namespace orca::text::ini
