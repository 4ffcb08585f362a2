// SPDX-License-Identifier: Apache-2.0
#include "host/cups/queue_printer.h"

#include <sstream>

#include "host/cups/queue_defaults.h"
#include "host/cups/queue_settings.h"
#include "host/state/model_map.h"
#include "host/state/printer_session.h"
#include "platform/errors.h"
#include "platform/sim/public_record.h"
#include "text/utf.h"

namespace orca::host::cups {
namespace {

using platform::sim::Environment;

// One raw job of the queue. A job the server took on a paused queue waits
// there: it has not reached the printer, and the server says why.
class QueueJobSink : public platform::sim::JobSink {
public:
    QueueJobSink(Server& server, std::string queue, std::unique_ptr<RawJob> job)
        : server_(server), queue_(std::move(queue)), job_(std::move(job)) {}

    bool Write(std::span<const uint8_t> bytes) override { return job_->Write(bytes); }

    bool Finish(std::u16string* reason) override {
        if (auto failed = job_->Finish()) {
            *reason = text::Utf8ToUtf16(failed->message);
            return false;
        }
        QueueInfo queue;
        if (!server_.Queue(queue_, &queue) && queue.stopped) {
            *reason = text::Utf8ToUtf16("job " + queue_ + "-" + std::to_string(job_->Id()) +
                                        " waits: the queue is paused (" + queue.stateMessage + ")");
            return false;
        }
        return true;
    }

private:
    Server& server_;
    std::string queue_;
    std::unique_ptr<RawJob> job_;
};

}  // namespace

std::shared_ptr<QueuePrinter> QueuePrinter::Open(std::string_view queue, Failure* failure) {
    std::unique_ptr<Server> server = Server::Connect(failure);
    if (server == nullptr)
        return nullptr;
    QueueInfo info;
    std::string ppd;
    if (auto failed = server->Queue(queue, &info); failed || (failed = server->Ppd(queue, &ppd))) {
        *failure = *failed;
        return nullptr;
    }
    std::istringstream text(ppd);
    QueuePpd read;
    if (auto refused = ReadQueuePpd(text, &read)) {
        *failure = Failure{kExitRefused, "queue " + info.name + ": " + *refused};
        return nullptr;
    }
    std::shared_ptr<QueuePrinter> printer(
        new QueuePrinter(std::move(server), info.name, *read.model));
    printer->ppdDefaults_.insert(read.defaults.begin(), read.defaults.end());
    text.clear();
    text.seekg(0);
    if (auto damaged = ReadQueueStore(text, &printer->store_)) {
        *failure = Failure{kExitFailure, "queue " + info.name + ": " + *damaged +
                                             "; orcaui --spooler cups printer add makes it anew"};
        return nullptr;
    }
    return printer;
}

std::unique_ptr<Environment> QueuePrinter::MakeEnvironment(const std::filesystem::path& root,
                                                           Failure* failure) {
    auto env = std::make_unique<Environment>(root);
    // A driver of the model's name whose model map names the model.
    const std::u16string model(model_.displayName);
    constexpr char16_t kMapFile[] = u"queue.lbpm";
    std::string error;
    if (!env->WriteDriverFile(
            platform::sim::kEnvironmentX64, kMapFile,
            "[PrinterMap]\r\n" + text::Utf16ToUtf8(model) + "=" + text::Utf16ToUtf8(model) + "\r\n",
            &error)) {
        *failure = Failure{kExitFailure, "the queue's model map cannot be written: " + error};
        return nullptr;
    }
    env->AddDriver(platform::sim::Driver{.name = model,
                                         .environment = platform::sim::kEnvironmentX64,
                                         .dependentFiles = {u"ORCAUI.dll", kMapFile}});
    const std::u16string name = text::Utf8ToUtf16(name_);
    const std::vector<platform::sim::Paper> papers = PapersOfModel(model);
    std::vector<uint8_t> settings = store_.settings;
    if (settings.empty()) {
        settings = platform::sim::MakePublicRecord(name, papers.empty() ? 0 : papers[0].number,
                                                   papers.empty() ? u"" : papers[0].name);
    }
    env->AddPrinter(platform::sim::Printer{.name = name,
                                           .driverName = model,
                                           .portName = u"null:",
                                           .settings = std::move(settings),
                                           .perUserSettingsSize = 0,
                                           .papers = papers});
    AddCustomPapers(*env, store_.papers);
    env->SetQueueServer(shared_from_this());
    return env;
}

MaybeFailure QueuePrinter::TakeChangedDefaults(const driverhost::PluginLibrary& plugin) {
    Failure failure;
    const auto session = PrinterSession::Open(plugin, text::Utf8ToUtf16(name_), &failure);
    if (session == nullptr)
        return failure;
    if (!cups::TakeChangedDefaults(session->Records(), model_, ppdDefaults_, store_))
        return std::nullopt;
    return session->StoreRecords();
}

MaybeFailure QueuePrinter::Save(const driverhost::PluginLibrary& plugin, const Environment& env) {
    QueueDefaults defaults;
    if (auto failed = DefaultsOfPrinter(plugin, env, text::Utf8ToUtf16(name_), model_, &defaults))
        return failed;
    std::ostringstream ppd;
    WritePpd(model_, defaults, ppd);
    return server_->PutQueue(name_, "", ppd.str());
}

std::unique_ptr<platform::sim::JobSink> QueuePrinter::OpenJob(std::u16string_view queue,
                                                              std::u16string_view documentName,
                                                              uint32_t* error,
                                                              std::u16string* reason) {
    const std::string name = text::Utf16ToUtf8(queue);
    Failure failure;
    std::unique_ptr<RawJob> job =
        server_->StartRawJob(name, text::Utf16ToUtf8(documentName), &failure);
    if (job == nullptr) {
        *error = platform::kErrorAccessDenied;
        *reason = text::Utf8ToUtf16(failure.message);
        return nullptr;
    }
    return std::make_unique<QueueJobSink>(*server_, name, std::move(job));
}

}  // namespace orca::host::cups
