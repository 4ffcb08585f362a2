// SPDX-License-Identifier: Apache-2.0
// The DLL's guards of function-local statics: threads that reach a static at
// once see it initialised once, each waiting for the thread that initialises
// it; an initialiser that throws leaves the static for the next thread to
// try again.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>
#include <vector>

namespace orca::wintest {
namespace {

using namespace std::chrono_literals;

constexpr int kThreads = 8;

std::atomic<int> initialisations{0};

int SlowValue() {
    ++initialisations;
    std::this_thread::sleep_for(50ms);
    return 42;
}

int SharedValue() {
    static const int value = SlowValue();
    return value;
}

// Runs read on kThreads threads started together; what each read.
std::vector<int> ReadTogether(int (*read)()) {
    std::atomic<bool> start{false};
    std::vector<int> seen(kThreads);
    std::vector<std::thread> threads;
    for (int& slot : seen)
        threads.emplace_back([&] {
            while (!start)
                std::this_thread::yield();
            slot = read();
        });
    start = true;
    for (std::thread& thread : threads)
        thread.join();
    return seen;
}

TEST(StaticGuardsTest, ThreadsReachingAStaticAtOnceSeeItInitialisedOnce) {
    initialisations = 0;
    const std::vector<int> seen = ReadTogether(&SharedValue);
    EXPECT_EQ(initialisations, 1);
    EXPECT_EQ(seen, std::vector<int>(kThreads, 42));
}

std::atomic<int> attempts{0};

// Each attempt takes long enough for the other threads to arrive meanwhile;
// the first one fails.
int FailingOnceValue() {
    const int attempt = ++attempts;
    std::this_thread::sleep_for(50ms);
    if (attempt == 1)
        throw std::runtime_error("first attempt");
    return 7;
}

int RetriedValue() {
    try {
        static const int value = FailingOnceValue();
        return value;
    } catch (const std::runtime_error&) {
        return -1;
    }
}

TEST(StaticGuardsTest, AThrowingInitialiserLeavesTheStaticToTheNextThread) {
    attempts = 0;
    const std::vector<int> seen = ReadTogether(&RetriedValue);
    EXPECT_EQ(attempts, 2);
    EXPECT_EQ(std::count(seen.begin(), seen.end(), -1), 1);
    EXPECT_EQ(std::count(seen.begin(), seen.end(), 7), kThreads - 1);
}

}  // namespace
}  // namespace orca::wintest
