// SPDX-License-Identifier: Apache-2.0
// Objects kept in their order and found by name in one look-up, so that the
// ten-thousandth printer or form is added as fast as the first. The key is
// the name folded as the spooler compares names of that kind; a found
// object's name is not changed in place.
#pragma once

#include <cstddef>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace orca::platform::sim {

template <typename T, std::u16string (*KeyOf)(const T&)>
class NamedList {
public:
    const std::vector<T>& Items() const { return items_; }

    T* Find(const std::u16string& key) {
        const auto it = positions_.find(key);
        return it == positions_.end() ? nullptr : &items_[it->second];
    }
    const T* Find(const std::u16string& key) const {
        return const_cast<NamedList*>(this)->Find(key);
    }

    // Appends the object, or puts it in the place of the one of its key.
    void Put(T item) {
        const auto [it, added] = positions_.try_emplace(KeyOf(item), items_.size());
        if (added)
            items_.push_back(std::move(item));
        else
            items_[it->second] = std::move(item);
    }

    // False when no object has the key.
    bool Remove(const std::u16string& key) {
        const auto it = positions_.find(key);
        if (it == positions_.end())
            return false;
        const size_t removed = it->second;
        positions_.erase(it);
        items_.erase(items_.begin() + std::ptrdiff_t(removed));
        for (auto& [name, position] : positions_)
            position -= position > removed ? 1 : 0;
        return true;
    }

private:
    std::vector<T> items_;
    std::unordered_map<std::u16string, size_t> positions_;
};

}  // namespace orca::platform::sim
