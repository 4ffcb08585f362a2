// SPDX-License-Identifier: Apache-2.0
// Raw jobs of the simulated spooler: each job is recorded when it ends and
// delivered to its target while it runs.
#include "platform/errors.h"
#include "platform/sim/sim_spooler.h"
#include "text/nocase.h"

namespace orca::platform::sim {
namespace {

constexpr std::u16string_view kRawDataType = u"RAW";

// Where the job went: the output file it named, else its printer's port.
// A job of a print server's queue went to the queue of the printer's name.
void RecordFailure(World& world, uint32_t jobId, const std::u16string& printer,
                   const std::u16string& document, const std::u16string& outputFile, uint32_t error,
                   std::u16string reason = {}) {
    const std::u16string target = !outputFile.empty() ? outputFile
                                  : world.queueServer ? printer
                                                      : world.FindPrinter(printer)->portName;
    world.failedJobs.push_back(JobFailure{.jobId = jobId,
                                          .printerName = printer,
                                          .documentName = document,
                                          .target = target,
                                          .error = error,
                                          .reason = std::move(reason)});
}

}  // namespace

OpenJob* SimSpooler::LookupJob(PrinterHandle handle) {
    OpenPrinter* open = Lookup(handle);
    if (open == nullptr) {
        return nullptr;
    }
    if (!open->job) {
        SetThreadLastError(kErrorNoStartDoc);
        return nullptr;
    }
    return &*open->job;
}

void SimSpooler::FinishJob(OpenPrinter& printer) {
    world_.jobs.push_back(std::move(printer.job->record));
    printer.job.reset();
}

uint32_t SimSpooler::StartDocument(PrinterHandle handle, const DocInfo1& doc) {
    std::unique_lock lock(world_.mutex);
    OpenPrinter* open = Lookup(handle);
    if (open == nullptr) {
        return 0;
    }
    if (open->job) {
        SetThreadLastError(kErrorInvalidPrinterState);
        return 0;
    }
    if (!doc.dataType.empty() && !text::EqualsNoCase(doc.dataType, kRawDataType)) {
        SetThreadLastError(kErrorInvalidDatatype);
        return 0;
    }
    uint32_t error = kErrorInvalidParameter;
    std::u16string reason;
    std::unique_ptr<JobSink> sink;
    if (!doc.outputFile.empty()) {
        sink = OpenOutputFileSink(ToNativePath(doc.outputFile), &error);
    } else if (world_.queueServer) {
        sink = world_.queueServer->OpenJob(open->printerName, doc.documentName, &error, &reason);
    } else if (const auto target = ParsePort(world_.FindPrinter(open->printerName)->portName)) {
        sink = OpenPortSink(*target, world_.root, &error);
    }
    if (sink == nullptr) {
        RecordFailure(world_, 0, open->printerName, doc.documentName, doc.outputFile, error,
                      std::move(reason));
        SetThreadLastError(error);
        return 0;
    }
    const uint32_t id = world_.nextJobId++;
    open->job = OpenJob{.record = RawJob{.id = id,
                                         .printerName = open->printerName,
                                         .documentName = doc.documentName,
                                         .outputFile = doc.outputFile,
                                         .dataType = doc.dataType,
                                         .pageStarted = false,
                                         .writes = {}},
                        .sink = std::move(sink),
                        .failed = false};
    const auto started = world_.jobStarted;
    const RawJob job = open->job->record;
    lock.unlock();
    if (started)
        started(job);
    return id;
}

bool SimSpooler::StartPage(PrinterHandle handle) {
    std::lock_guard lock(world_.mutex);
    OpenJob* job = LookupJob(handle);
    if (job == nullptr) {
        return false;
    }
    job->record.pageStarted = true;
    return true;
}

bool SimSpooler::EndPage(PrinterHandle handle) {
    std::lock_guard lock(world_.mutex);
    return LookupJob(handle) != nullptr;
}

bool SimSpooler::Write(PrinterHandle handle, std::span<const uint8_t> bytes, uint32_t* written) {
    std::lock_guard lock(world_.mutex);
    *written = 0;
    OpenJob* job = LookupJob(handle);
    if (job == nullptr) {
        return false;
    }
    job->record.writes.emplace_back(bytes.begin(), bytes.end());
    if (!job->sink->Write(bytes)) {
        if (!job->failed) {
            job->failed = true;
            RecordFailure(world_, job->record.id, job->record.printerName, job->record.documentName,
                          job->record.outputFile, kErrorWriteFault);
        }
        SetThreadLastError(kErrorWriteFault);
        return false;
    }
    *written = uint32_t(bytes.size());
    return true;
}

bool SimSpooler::EndDocument(PrinterHandle handle) {
    std::lock_guard lock(world_.mutex);
    OpenJob* job = LookupJob(handle);
    if (job == nullptr) {
        return false;
    }
    if (std::u16string reason; !job->sink->Finish(&reason) && !job->failed) {
        job->failed = true;
        RecordFailure(world_, job->record.id, job->record.printerName, job->record.documentName,
                      job->record.outputFile, kErrorWriteFault, std::move(reason));
    }
    FinishJob(*Lookup(handle));
    return true;
}

}  // namespace orca::platform::sim
