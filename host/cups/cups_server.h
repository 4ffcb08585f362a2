// SPDX-License-Identifier: Apache-2.0
// A CUPS server reached through libcups: its queues, their PPDs and jobs,
// and raw jobs sent to a queue. The server is the one CUPS_SERVER names
// (orcaui's --cups-server sets it), else libcups' own default. Every failure
// carries CUPS' own reason and the exit code of its kind.
#pragma once

#include <cstdint>
#include <ctime>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "host/cli/failure.h"

using http_t = struct _http_s;

namespace orca::host::cups {

struct QueueInfo {
    std::string name;
    std::string deviceUri;
    std::string makeAndModel;
    bool stopped = false;  // paused: jobs wait in the queue
    std::string stateMessage;
};

struct JobInfo {
    int id = 0;
    std::string title;
    std::string user;
    std::string state;  // "pending", "held", "processing", ..., "completed"
    int kilobytes = 0;
    std::time_t created = 0;
};

class Server;

// One raw job on its way: the bytes go to the server as they are written.
class RawJob {
public:
    RawJob(Server& server, std::string queue, int id) : server_(server), queue_(queue), id_(id) {}
    int Id() const { return id_; }
    bool Write(std::span<const uint8_t> bytes);
    // Ends the document; the job is then the server's to print.
    MaybeFailure Finish();

private:
    Server& server_;
    std::string queue_;
    int id_;
};

class Server {
public:
    // Null with *failure set when no server answers.
    static std::unique_ptr<Server> Connect(Failure* failure);
    ~Server();
    Server(const Server&) = delete;
    Server& operator=(const Server&) = delete;

    // "HOST:PORT", or the local socket's path, as the server was reached.
    const std::string& Address() const { return address_; }

    MaybeFailure Queues(std::vector<QueueInfo>* queues);
    // One queue; kExitUnknownPrinter when the server has none of that name.
    MaybeFailure Queue(std::string_view name, QueueInfo* queue);
    // Makes the queue on the device, accepting jobs and enabled; with no
    // device, gives the queue the PPD and leaves the rest as it is (a paused
    // queue stays paused).
    MaybeFailure PutQueue(std::string_view name, std::string_view deviceUri, std::string_view ppd);
    MaybeFailure DeleteQueue(std::string_view name);
    // The queue's jobs, pending and done (as far as the server keeps them).
    MaybeFailure Jobs(std::string_view name, std::vector<JobInfo>* jobs);
    MaybeFailure Ppd(std::string_view name, std::string* ppd);
    // Starts a job in the raw format (the server sends it unfiltered).
    std::unique_ptr<RawJob> StartRawJob(std::string_view queue, std::string_view title,
                                        Failure* failure);

private:
    friend class RawJob;
    Server(http_t* http, std::string address) : http_(http), address_(std::move(address)) {}
    // The failure of the last request, with the exit code of its kind.
    static Failure LastFailure(std::string_view what);

    http_t* http_;
    std::string address_;
};

}  // namespace orca::host::cups
