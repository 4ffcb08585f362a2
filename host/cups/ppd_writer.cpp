// SPDX-License-Identifier: Apache-2.0
#include "host/cups/ppd_writer.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "host/cups/label_options.h"
#include "host/state/model_map.h"

namespace orca::host::cups {
namespace {

constexpr double kPointsPerTenthMm = 72.0 / 254.0;

// Documents CUPS can tell apart that are not label commands: the filter
// takes them too, only to refuse them with its reason in the job's state.
constexpr std::string_view kRefusedTypes[] = {
    "text/plain", "application/pdf", "application/postscript", "image/png", "image/jpeg",
};

std::string Ascii(std::u16string_view text) {
    return {text.begin(), text.end()};
}

// A ModelName holds no parentheses.
std::string PlainName(std::string name) {
    std::ranges::replace(name, '(', ' ');
    std::erase(name, ')');
    return name;
}

int Points(int tenths) {
    return static_cast<int>(std::lround(tenths * kPointsPerTenthMm));
}

void WriteHeader(const printers::ModelRow& model, std::ostream& out) {
    const std::string name = Ascii(model.displayName);
    const uint32_t dpi = ResolutionOf(model);
    // An 8.3 name, as PPD files need one: the model's index keeps it unique.
    const int index = static_cast<int>(model.id);
    out << "*PPD-Adobe: \"4.3\"\n"
           "*% The PPD of the ORCAUI label printer "
        << name
        << " (orcaui ppd).\n"
           "*FormatVersion: \"4.3\"\n"
           "*FileVersion: \"1.0\"\n"
           "*LanguageVersion: English\n"
           "*LanguageEncoding: ISOLatin1\n"
           "*PCFileName: \"ORCAUI"
        << (index < 10 ? "0" : "") << index
        << ".PPD\"\n"
           "*Manufacturer: \"ORCAUI\"\n"
           "*Product: \"(ORCAUI)\"\n"
           "*ModelName: \"ORCAUI "
        << PlainName(name) << "\"\n*orcauiModel: \"" << name << "\"\n*ShortNickName: \"ORCAUI "
        << name << "\"\n*NickName: \"ORCAUI " << name << ", "
        << (model.language == printers::Language::Onyx ? "ONYX" : "ORCA")
        << " label commands\"\n"
           "*PSVersion: \"(3010.000) 0\"\n"
           "*LanguageLevel: \"3\"\n"
           "*ColorDevice: False\n"
           "*DefaultColorSpace: Gray\n"
           "*FileSystem: False\n"
           "*Throughput: \"1\"\n"
           "*LandscapeOrientation: Plus90\n"
           "*TTRasterizer: Type42\n"
           "*cupsVersion: 2.4\n";
    const std::string_view jobType = JobTypeOf(model);
    out << "*cupsFilter2: \"" << jobType << " application/vnd.cups-raw 0 orcaui-filter\"\n";
    for (const std::string_view refused : kRefusedTypes)
        out << "*cupsFilter2: \"" << refused << " application/vnd.cups-raw 0 orcaui-filter\"\n";
    out << "*OpenUI *Resolution/Resolution: PickOne\n"
           "*OrderDependency: 10 AnySetup *Resolution\n"
           "*DefaultResolution: "
        << dpi << "dpi\n*Resolution " << dpi << "dpi/" << dpi << " dpi: \"<</HWResolution[" << dpi
        << " " << dpi << "]>>setpagedevice\"\n*CloseUI: *Resolution\n";
}

// The model's standard papers, and custom sizes within its limits.
void WritePapers(const printers::ModelRow& model, std::ostream& out) {
    const auto papers = PapersOfModel(model.displayName);
    const auto size = [](const platform::sim::Paper& paper) {
        return std::to_string(Points(paper.width)) + " " + std::to_string(Points(paper.length));
    };
    const auto keyword = [](const platform::sim::Paper& paper) {
        return "w" + std::to_string(Points(paper.width)) + "h" +
               std::to_string(Points(paper.length));
    };
    const std::string first = papers.empty() ? "" : keyword(papers.front());
    for (const std::string_view option : {"PageSize", "PageRegion"}) {
        out << "*OpenUI *" << option << "/" << (option == "PageSize" ? "Media Size" : "Region")
            << ": PickOne\n*OrderDependency: 10 AnySetup *" << option << "\n*Default" << option
            << ": " << first << "\n";
        for (const platform::sim::Paper& paper : papers) {
            out << "*" << option << " " << keyword(paper) << "/" << Ascii(paper.name)
                << ": \"<</PageSize[" << size(paper) << "]/ImagingBBox null>>setpagedevice\"\n";
        }
        out << "*CloseUI: *" << option << "\n";
    }
    out << "*DefaultImageableArea: " << first << "\n";
    for (const platform::sim::Paper& paper : papers)
        out << "*ImageableArea " << keyword(paper) << ": \"0 0 " << size(paper) << "\"\n";
    out << "*DefaultPaperDimension: " << first << "\n";
    for (const platform::sim::Paper& paper : papers)
        out << "*PaperDimension " << keyword(paper) << ": \"" << size(paper) << "\"\n";

    const printers::PaperExtents limits = PaperLimitsOf(model);
    out << "*MaxMediaWidth: \"" << Points(limits.widest) << "\"\n*MaxMediaHeight: \""
        << Points(limits.longest)
        << "\"\n*HWMargins: 0 0 0 0\n"
           "*CustomPageSize True: \"pop pop pop <</PageSize[5 -2 roll]/ImagingBBox "
           "null>>setpagedevice\"\n"
           "*ParamCustomPageSize Width: 1 points "
        << Points(limits.narrowest) << " " << Points(limits.widest)
        << "\n*ParamCustomPageSize Height: 2 points " << Points(limits.shortest) << " "
        << Points(limits.longest)
        << "\n*ParamCustomPageSize WidthOffset: 3 points 0 0\n"
           "*ParamCustomPageSize HeightOffset: 4 points 0 0\n"
           "*ParamCustomPageSize Orientation: 5 int 0 0\n";
}

// Each label setting is a PickOne whose choices send nothing: the filter
// reads the chosen keyword and sends the command in the printer's language.
// A default between the listed steps is listed too. Answers the keyword
// of each option's default.
std::map<std::string, std::string, std::less<>> WriteLabelOptions(const printers::ModelRow& model,
                                                                  const QueueDefaults& defaults,
                                                                  std::ostream& out) {
    std::map<std::string, std::string, std::less<>> chosenKeywords;
    out << "*OpenGroup: Label/Label Settings\n";
    for (LabelOption& option : LabelOptionsOf(model)) {
        const auto given = defaults.choices.find(option.name);
        const Choice chosen =
            given != defaults.choices.end() ? given->second : option.choices.front();
        if (std::ranges::find(option.choices, chosen.keyword, &Choice::keyword) ==
            option.choices.end())
            option.choices.insert(option.choices.begin() + 1, chosen);
        chosenKeywords.emplace(option.name, chosen.keyword);
        out << "*OpenUI *" << option.name << "/" << option.text
            << ": PickOne\n*OrderDependency: 20 AnySetup *" << option.name << "\n*Default"
            << option.name << ": " << chosen.keyword << "\n";
        for (const Choice& choice : option.choices)
            out << "*" << option.name << " " << choice.keyword << "/" << choice.text << ": \"\"\n";
        out << "*CloseUI: *" << option.name << "\n";
    }
    out << "*CloseGroup: Label\n";
    return chosenKeywords;
}

// The commands escaped, in lines short enough for a PPD; an escape is never
// split, and the filter drops the line breaks.
void WriteCommands(std::string_view keyword, std::string_view bytes, std::ostream& out) {
    if (bytes.empty())
        return;
    constexpr size_t kLineLength = 200;
    const std::string text = EscapeCommands(bytes);
    out << "*" << keyword << ": \"";
    size_t line = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const bool escape = text.compare(i, 3, "<\\x") == 0;
        const size_t length = escape ? 6 : 1;
        if (line + length > kLineLength) {
            out << "\n";
            line = 0;
        }
        out << text.substr(i, length);
        line += length;
        i += length - 1;
    }
    out << "\"\n*End\n";
}

}  // namespace

std::string_view JobTypeOf(const printers::ModelRow& model) {
    return model.language == printers::Language::Onyx ? "application/vnd.orcaui-onyx"
                                                      : "application/vnd.orcaui-orca";
}

void WritePpd(const printers::ModelRow& model, const QueueDefaults& defaults, std::ostream& out) {
    WriteHeader(model, out);
    WritePapers(model, out);
    QueueStore store = defaults.store;
    auto chosen = WriteLabelOptions(model, defaults, out);
    if (!store.settings.empty())
        store.saved = std::move(chosen);
    WriteCommands(kDocumentStartKeyword, defaults.documentStart, out);
    WriteCommands(kDocumentEndKeyword, defaults.documentEnd, out);
    WriteQueueStore(store, out);
    out << "*% End of the PPD\n";
}

}  // namespace orca::host::cups
