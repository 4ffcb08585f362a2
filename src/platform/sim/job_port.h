// SPDX-License-Identifier: Apache-2.0
// Where a raw job goes: the printer's port ("null:", "file:PATH",
// "tcp:HOST:PORT") or the output file named when the document started.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace orca::platform::sim {

struct PortTarget {
    enum class Kind { kNull, kFile, kTcp };
    Kind kind = Kind::kNull;
    std::u16string path;  // kFile
    std::string host;     // kTcp, without brackets
    uint16_t port = 0;    // kTcp
};

// Port names compare their scheme without regard to letter case. Malformed
// names (unknown scheme, empty path, missing or bad port number) give none.
std::optional<PortTarget> ParsePort(std::u16string_view portName);

class JobSink {
public:
    virtual ~JobSink() = default;
    virtual bool Write(std::span<const uint8_t> bytes) = 0;
    // The job's end; false, with the target's own words, when the target
    // does not take the job after all.
    virtual bool Finish(std::u16string* /*reason*/) { return true; }
};

// A print server whose queues take the raw jobs of an environment's
// printers instead of their ports: each printer's jobs are jobs of the
// server's queue of the printer's name. The host that built the environment
// from the server's queues supplies it.
class QueueServer {
public:
    virtual ~QueueServer() = default;
    // A sink for one job, or nullptr with *error and the server's *reason.
    virtual std::unique_ptr<JobSink> OpenJob(std::u16string_view queue,
                                             std::u16string_view documentName, uint32_t* error,
                                             std::u16string* reason) = 0;
};

// Opens the target for one job; nullptr with *error set when it refuses. A
// file port appends every job to its file; an output file is created anew;
// a tcp port makes one connection per job.
std::unique_ptr<JobSink> OpenPortSink(const PortTarget& target, const std::filesystem::path& root,
                                      uint32_t* error);
std::unique_ptr<JobSink> OpenOutputFileSink(const std::filesystem::path& file, uint32_t* error);

}  // namespace orca::platform::sim
