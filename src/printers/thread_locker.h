// SPDX-License-Identifier: Apache-2.0
// Locks of the device manager: an abstract lock and the critical section that
// implements it. Both meet the standard BasicLockable requirements, so
// std::lock_guard holds them for a scope.
#pragma once

#include <mutex>

namespace orca::printers {

class base_lock {
public:
    constexpr base_lock() = default;
    virtual ~base_lock() = default;
    base_lock(const base_lock&) = delete;
    base_lock& operator=(const base_lock&) = delete;

    virtual void lock() = 0;
    virtual void unlock() = 0;
};

// Not recursive: a thread that holds it must not take it again.
class CThreadLocker final : public base_lock {
public:
    CThreadLocker() = default;

    void lock() override { section_.lock(); }
    void unlock() override { section_.unlock(); }

private:
    std::mutex section_;
};

}  // namespace orca::printers
