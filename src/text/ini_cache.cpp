// SPDX-License-Identifier: Apache-2.0
#include "text/ini_cache.h"

#include <atomic>
#include <map>
#include <mutex>
#include <string_view>

#include "text/ini.h"
#include "text/ini_files.h"

namespace orca::text::ini {
namespace detail {
namespace {

// Few files go through the module (language files, model map, settings
// files); the bound only keeps a stream of distinct paths from piling up.
constexpr size_t kMaxKept = 64;

using PathView = std::basic_string_view<FilePath::value_type>;

struct Kept {
    FilePath absolute;  // the file's one spelling, for Forget
    FileStamp stamp;
    std::string bytes;
    std::shared_ptr<const Profile> profile;
};

// A parse is kept by the path and code page it was asked for with. A path that
// names the same file from any current directory is its own key, so that a
// lookup by it spells out no path of its own; any other is keyed by its
// absolute path.
struct CacheKey {
    FilePath path;
    unsigned codePage;
};

struct KeyView {
    PathView path;
    unsigned codePage;
};

struct KeyOrder {
    using is_transparent = void;

    static KeyView View(const CacheKey& key) { return {key.path, key.codePage}; }
    static KeyView View(const KeyView& key) { return key; }

    template <typename A, typename B>
    bool operator()(const A& a, const B& b) const {
        const KeyView x = View(a);
        const KeyView y = View(b);
        return x.codePage != y.codePage ? x.codePage < y.codePage : x.path < y.path;
    }
};

class ProfileCache {
public:
    std::shared_ptr<const Profile> Load(const FilePath& file, unsigned codePage) {
        std::optional<FileStamp> stamp = StampOf(file);
        if (!stamp)
            return nullptr;
        if (!enabled_) {
            std::optional<std::string> bytes = ReadWholeFile(file);
            if (!bytes)
                return nullptr;
            return std::make_shared<const Profile>(LoadDocument(std::move(*bytes), codePage));
        }
        const bool fixed = IsAbsolute(file);
        const FilePath absolute = fixed ? FilePath() : AbsolutePath(file);
        const KeyView key{fixed ? file : absolute, codePage};
        {
            std::lock_guard lock(mutex_);
            auto found = kept_.find(key);
            if (found != kept_.end() && found->second.stamp == *stamp)
                return found->second.profile;
        }
        std::optional<std::string> bytes = ReadWholeFile(file);
        if (!bytes)
            return nullptr;
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
        Kept kept{fixed ? AbsolutePath(file) : absolute, *stamp, std::move(*bytes), profile};
        std::lock_guard lock(mutex_);
        if (kept_.size() >= kMaxKept)
            kept_.clear();
        kept_.insert_or_assign(CacheKey{FilePath(key.path), codePage}, std::move(kept));
        return profile;
    }

    void Forget(const FilePath& file) {
        const FilePath absolute = AbsolutePath(file);
        std::lock_guard lock(mutex_);
        std::erase_if(kept_, [&](const auto& entry) { return entry.second.absolute == absolute; });
    }

    void SetEnabled(bool enabled) {
        enabled_ = enabled;
        std::lock_guard lock(mutex_);
        kept_.clear();
    }

private:
    std::atomic<bool> enabled_{true};
    std::mutex mutex_;
    std::map<CacheKey, Kept, KeyOrder> kept_;
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
