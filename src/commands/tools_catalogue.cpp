// SPDX-License-Identifier: Apache-2.0
#include "commands/tools_catalogue.h"

#include <algorithm>
#include <cstring>

namespace orca::commands {

std::span<const uint8_t> ActionItem::Bytes() const {
    const size_t count = std::clamp<int32_t>(length, 0, int32_t(kActionCommandSize));
    return {command.data(), count};
}

std::string_view ActionItem::Text() const {
    const auto* chars = reinterpret_cast<const char*>(command.data());
    return {chars, ::strnlen(chars, command.size())};
}

void ActionItem::StoreText(std::string_view text) {
    command.fill(0);
    const size_t kept = std::min(text.size(), command.size() - 1);
    std::memcpy(command.data(), text.data(), kept);
    length = static_cast<int32_t>(kept);
}

const ActionCatalogueEntries& ActionCatalogueFor(int32_t commandLanguage) {
    return commandLanguage == kCommandLanguageOnyx ? kActionCatalogues[1] : kActionCatalogues[0];
}

std::vector<ActionGroup> BuildActionCatalogue(const ActionCatalogueEntries& entries) {
    std::vector<ActionGroup> groups;
    for (const ActionGroupEntries& entryGroup : entries.groups) {
        ActionGroup& group = groups.emplace_back();
        for (const ActionEntry& entry : entryGroup) {
            ActionItem& item = group.emplace_back();
            item.name = entry.name;
            item.kind = entry.kind;
            std::memcpy(item.command.data(), entry.command.data(), entry.command.size());
            item.length = static_cast<int32_t>(entry.command.size());
        }
    }
    return groups;
}

}  // namespace orca::commands
