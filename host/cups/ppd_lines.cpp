// SPDX-License-Identifier: Apache-2.0
#include "host/cups/ppd_lines.h"

#include <string_view>

namespace orca::host::cups {
namespace {

bool NextText(std::istream& ppd, std::string* text) {
    if (!std::getline(ppd, *text))
        return false;
    if (!text->empty() && text->back() == '\r')
        text->pop_back();
    return true;
}

std::string_view Trim(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    return first == std::string_view::npos
               ? std::string_view()
               : text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

bool NextPpdLine(std::istream& ppd, PpdLine* line) {
    std::string text;
    while (NextText(ppd, &text)) {
        const size_t quote = text.find('"');
        std::string more;
        while (quote != std::string::npos && text.find('"', quote + 1) == std::string::npos &&
               NextText(ppd, &more))
            text += more;
        const size_t colon = text.find(':');
        if (text.empty() || text[0] != '*' || colon == std::string::npos)
            continue;
        const std::string_view head = std::string_view(text).substr(1, colon - 1);
        const size_t space = head.find_first_of(" \t");
        line->keyword = head.substr(0, space);
        line->option =
            space == std::string_view::npos ? std::string_view() : Trim(head.substr(space));
        std::string_view value = Trim(std::string_view(text).substr(colon + 1));
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        line->value = value;
        return true;
    }
    return false;
}

}  // namespace orca::host::cups
