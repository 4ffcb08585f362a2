// SPDX-License-Identifier: Apache-2.0
#include "host/cups/cups_server.h"

#include <cups/cups.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>

namespace orca::host::cups {
namespace {

struct IppDeleter {
    void operator()(ipp_t* ipp) const { ippDelete(ipp); }
};
using Ipp = std::unique_ptr<ipp_t, IppDeleter>;

struct FileCloser {
    void operator()(FILE* file) const { std::fclose(file); }
};

struct StatusKind {
    ipp_status_t status;
    int exitCode;
};
// What a script may tell apart; every other refusal is the spooler's failure.
constexpr StatusKind kStatusKinds[] = {
    {IPP_STATUS_ERROR_NOT_FOUND, kExitUnknownPrinter},
    {IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS, kExitJobFailed},
};

constexpr int kConnectTimeoutMs = 30000;

constexpr const char* kJobStates[] = {"pending",  "held",    "processing", "stopped",
                                      "canceled", "aborted", "completed"};

std::string QueueUri(std::string_view name) {
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0,
                     "/printers/%.*s", static_cast<int>(name.size()), name.data());
    return uri;
}

// A request on one queue, by the user libcups names.
Ipp QueueRequest(ipp_op_t operation, std::string_view name) {
    Ipp request(ippNewRequest(operation));
    ippAddString(request.get(), IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
                 QueueUri(name).c_str());
    ippAddString(request.get(), IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
                 cupsUser());
    return request;
}

constexpr const char* kQueueAttributes[] = {
    "printer-name",          "device-uri", "printer-make-and-model", "printer-state",
    "printer-state-message",
};

struct TextAttribute {
    std::string_view name;
    std::string QueueInfo::*field;
};
constexpr TextAttribute kTextAttributes[] = {
    {"printer-name", &QueueInfo::name},
    {"device-uri", &QueueInfo::deviceUri},
    {"printer-make-and-model", &QueueInfo::makeAndModel},
    {"printer-state-message", &QueueInfo::stateMessage},
};

// The queues of a Get-Printers answer, each a group of attributes.
std::vector<QueueInfo> QueuesOf(ipp_t* response) {
    std::vector<QueueInfo> queues;
    QueueInfo queue;
    const auto finish = [&] {
        if (!queue.name.empty())
            queues.push_back(std::move(queue));
        queue = QueueInfo{};
    };
    for (ipp_attribute_t* attr = ippFirstAttribute(response); attr != nullptr;
         attr = ippNextAttribute(response)) {
        if (ippGetGroupTag(attr) != IPP_TAG_PRINTER || ippGetName(attr) == nullptr) {
            finish();
            continue;
        }
        const std::string_view name = ippGetName(attr);
        const char* text = ippGetString(attr, 0, nullptr);
        if (const auto found = std::ranges::find(kTextAttributes, name, &TextAttribute::name);
            found != std::end(kTextAttributes))
            queue.*found->field = text != nullptr ? text : "";
        else if (name == "printer-state")
            queue.stopped = ippGetInteger(attr, 0) == IPP_PSTATE_STOPPED;
    }
    finish();
    return queues;
}

}  // namespace

Failure Server::LastFailure(std::string_view what) {
    const ipp_status_t status = cupsLastError();
    const auto kind = std::ranges::find(kStatusKinds, status, &StatusKind::status);
    return Failure{kind != std::end(kStatusKinds) ? kind->exitCode : kExitFailure,
                   std::string(what) + ": " + cupsLastErrorString()};
}

std::unique_ptr<Server> Server::Connect(Failure* failure) {
    const std::string host = cupsServer();
    const std::string address =
        host.starts_with('/') ? host : host + ":" + std::to_string(ippPort());
    // Made without connecting, then connected: a refused connection's
    // reason stays with the connection.
    http_t* http =
        httpConnect2(host.c_str(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, 0, nullptr);
    if (http == nullptr) {
        *failure = Failure{kExitFailure, "no CUPS server at " + address + ": the name is unknown"};
        return nullptr;
    }
    std::unique_ptr<Server> server(new Server(http, address));
    if (httpReconnect2(http, kConnectTimeoutMs, nullptr) != 0) {
        *failure = Failure{kExitFailure, "no CUPS server answers at " + address + ": " +
                                             std::strerror(httpError(http))};
        return nullptr;
    }
    return server;
}

Server::~Server() {
    httpClose(http_);
}

MaybeFailure Server::Queues(std::vector<QueueInfo>* queues) {
    Ipp request(ippNewRequest(IPP_OP_CUPS_GET_PRINTERS));
    ippAddStrings(request.get(), IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                  std::size(kQueueAttributes), nullptr, kQueueAttributes);
    const Ipp response(cupsDoRequest(http_, request.release(), "/"));
    // A server without queues answers not-found.
    if (cupsLastError() == IPP_STATUS_ERROR_NOT_FOUND)
        return std::nullopt;
    if (response == nullptr || cupsLastError() > IPP_STATUS_OK_CONFLICTING)
        return LastFailure("the queues of " + address_);
    *queues = QueuesOf(response.get());
    return std::nullopt;
}

MaybeFailure Server::Queue(std::string_view name, QueueInfo* queue) {
    Ipp request = QueueRequest(IPP_OP_GET_PRINTER_ATTRIBUTES, name);
    ippAddStrings(request.get(), IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                  std::size(kQueueAttributes), nullptr, kQueueAttributes);
    const Ipp response(cupsDoRequest(http_, request.release(), "/"));
    if (response == nullptr || cupsLastError() > IPP_STATUS_OK_CONFLICTING)
        return LastFailure("queue " + std::string(name));
    std::vector<QueueInfo> queues = QueuesOf(response.get());
    if (queues.empty())
        return Failure{kExitUnknownPrinter, "queue " + std::string(name) + ": not found"};
    *queue = std::move(queues.front());
    return std::nullopt;
}

MaybeFailure Server::PutQueue(std::string_view name, std::string_view deviceUri,
                              std::string_view ppd) {
    const std::unique_ptr<FILE, FileCloser> file(std::tmpfile());
    if (file == nullptr || std::fwrite(ppd.data(), 1, ppd.size(), file.get()) != ppd.size() ||
        std::fflush(file.get()) != 0 || std::fseek(file.get(), 0, SEEK_SET) != 0)
        return Failure{kExitFailure, "cannot keep the PPD in a temporary file"};
    Ipp request = QueueRequest(IPP_OP_CUPS_ADD_MODIFY_PRINTER, name);
    if (!deviceUri.empty()) {
        ippAddString(request.get(), IPP_TAG_PRINTER, IPP_TAG_URI, "device-uri", nullptr,
                     std::string(deviceUri).c_str());
        ippAddBoolean(request.get(), IPP_TAG_PRINTER, "printer-is-accepting-jobs", 1);
        ippAddInteger(request.get(), IPP_TAG_PRINTER, IPP_TAG_ENUM, "printer-state",
                      IPP_PSTATE_IDLE);
    }
    const Ipp response(
        cupsDoIORequest(http_, request.release(), "/admin/", fileno(file.get()), -1));
    if (cupsLastError() > IPP_STATUS_OK_CONFLICTING)
        return LastFailure("queue " + std::string(name));
    return std::nullopt;
}

MaybeFailure Server::DeleteQueue(std::string_view name) {
    const Ipp response(
        cupsDoRequest(http_, QueueRequest(IPP_OP_CUPS_DELETE_PRINTER, name).release(), "/admin/"));
    if (cupsLastError() > IPP_STATUS_OK_CONFLICTING)
        return LastFailure("queue " + std::string(name));
    return std::nullopt;
}

MaybeFailure Server::Jobs(std::string_view name, std::vector<JobInfo>* jobs) {
    // Get-Jobs answers an unknown queue with no jobs: ask for the queue first.
    QueueInfo queue;
    if (auto failed = Queue(name, &queue))
        return failed;
    cups_job_t* found = nullptr;
    const int count = cupsGetJobs2(http_, &found, std::string(name).c_str(), 0, CUPS_WHICHJOBS_ALL);
    if (count < 0)
        return LastFailure("the jobs of " + std::string(name));
    for (int i = 0; i < count; ++i) {
        const cups_job_t& job = found[i];
        const int state = job.state - IPP_JSTATE_PENDING;
        jobs->push_back(
            {job.id, job.title != nullptr ? job.title : "", job.user != nullptr ? job.user : "",
             state >= 0 && state < static_cast<int>(std::size(kJobStates)) ? kJobStates[state]
                                                                           : "unknown",
             job.size, job.creation_time});
    }
    cupsFreeJobs(count, found);
    return std::nullopt;
}

MaybeFailure Server::Ppd(std::string_view name, std::string* ppd) {
    const std::unique_ptr<FILE, FileCloser> file(std::tmpfile());
    if (file == nullptr)
        return Failure{kExitFailure, "cannot keep the PPD in a temporary file"};
    const std::string resource = "/printers/" + std::string(name) + ".ppd";
    const http_status_t status = cupsGetFd(http_, resource.c_str(), fileno(file.get()));
    if (status == HTTP_STATUS_NOT_FOUND)
        return Failure{kExitUnknownPrinter, "queue " + std::string(name) + " has no PPD"};
    if (status != HTTP_STATUS_OK)
        return Failure{kExitFailure, "the PPD of " + std::string(name) + ": " + httpStatus(status)};
    std::rewind(file.get());
    char buffer[8192];
    for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0;)
        ppd->append(buffer, got);
    return std::nullopt;
}

std::unique_ptr<RawJob> Server::StartRawJob(std::string_view queue, std::string_view title,
                                            Failure* failure) {
    const std::string name(queue);
    const std::string heading(title);
    const int id = cupsCreateJob(http_, name.c_str(), heading.c_str(), 0, nullptr);
    if (id == 0) {
        *failure = LastFailure("a job on " + name);
        return nullptr;
    }
    if (cupsStartDocument(http_, name.c_str(), id, heading.c_str(), CUPS_FORMAT_RAW, 1) !=
        HTTP_STATUS_CONTINUE) {
        *failure = LastFailure("job " + name + "-" + std::to_string(id));
        return nullptr;
    }
    return std::make_unique<RawJob>(*this, name, id);
}

bool RawJob::Write(std::span<const uint8_t> bytes) {
    return bytes.empty() ||
           cupsWriteRequestData(server_.http_, reinterpret_cast<const char*>(bytes.data()),
                                bytes.size()) == HTTP_STATUS_CONTINUE;
}

MaybeFailure RawJob::Finish() {
    if (cupsFinishDocument(server_.http_, queue_.c_str()) > IPP_STATUS_OK_CONFLICTING)
        return Server::LastFailure("job " + queue_ + "-" + std::to_string(id_));
    return std::nullopt;
}

}  // namespace orca::host::cups
