// SPDX-License-Identifier: Apache-2.0
// What orcaui keeps of a printer in its CUPS queue's own PPD, in lines of
// keywords of its own: the whole settings record the pages edit (the
// public record and the private block behind it), the custom papers of the
// Stocks page, and the choice of each label option as last saved, so that
// a default changed since with `lpadmin -o` is told from the saved one.
// The PPD is what cupsd hands the filter; no second store is needed.
#pragma once

#include <cstdint>
#include <istream>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace orca::host::cups {

// A custom paper as the spooler's form keeps it: its name (UTF-8), its size
// and its imageable area, in thousandths of a millimetre.
struct StoredPaper {
    std::string name;
    int32_t width = 0;
    int32_t height = 0;
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    bool operator==(const StoredPaper&) const = default;
};

struct QueueStore {
    std::vector<uint8_t> settings;  // empty: none saved yet
    std::vector<StoredPaper> papers;
    std::map<std::string, std::string, std::less<>> saved;  // option name -> choice keyword

    bool operator==(const QueueStore&) const = default;
};

// The store's PPD lines, none longer than a PPD allows.
void WriteQueueStore(const QueueStore& store, std::ostream& out);

// The store from a PPD's lines (other lines are passed over); an error
// message when its lines are damaged.
std::optional<std::string> ReadQueueStore(std::istream& ppd, QueueStore* store);

}  // namespace orca::host::cups
