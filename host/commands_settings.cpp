// settings PRINTER: the printer's default settings as the plug-in's hooks
// read them.
#include <iostream>

#include "commands.h"
#include "printer_session.h"
#include "settings_view.h"
#include "text/utf.h"

namespace orca::host {
namespace {

int ShowSettings(Host& host, const Arguments& args) {
    std::u16string name;
    if (auto failed = host.FindPrinter(args.positional[0], &name))
        return Report(*failed);
    if (auto failed = host.LoadPlugin())
        return Report(*failed);
    Failure failure;
    const auto session = PrinterSession::Open(host.Plugin(), name, &failure);
    if (session == nullptr)
        return Report(failure);
    std::cout << "; " << text::Utf16ToUtf8(name) << "\n" << DescribeSettings(session->Records());
    return kExitOk;
}

}  // namespace

const CommandSpec kSettingsCommand{
    "settings",
    "settings PRINTER",
    "show the printer's default settings field by field",
    "The host reads the printer's stored settings and hands them to the plug-in as a\n"
    "driver host does: the plug-in sizes its block, writes its defaults and merges\n"
    "the stored block in. What comes out is shown under the names the settings files\n"
    "(.drvs) use, in sections like theirs: [Public] (the public record), [Option],\n"
    "[CustomCommand] (command texts with control bytes as \\xHH), and each barcode\n"
    "font and command font in use.\n",
    nullptr,
    {},
    1,
    1,
    ShowSettings};

}  // namespace orca::host
