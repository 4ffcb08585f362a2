// SPDX-License-Identifier: Apache-2.0
// The PPD of a CUPS queue for a printer model: its resolution, its papers
// and paper limits, its label settings as options (the names of `orcaui
// set`), and the filter that puts them before each job.
#pragma once

#include <map>
#include <ostream>
#include <string>

#include "host/cups/label_options.h"
#include "host/cups/queue_store.h"

namespace orca::host::cups {

// The MIME type of jobs in the model's command language (orcaui.types).
std::string_view JobTypeOf(const printers::ModelRow& model);

// What a queue starts with: the choice of each label setting (by the
// option's name; a missing one is Default), the bytes sent before and
// after every job, the Custom Command page's document start and end, and
// what orcaui keeps of the printer (the PPD records the choices as saved
// when it keeps a settings record).
struct QueueDefaults {
    std::map<std::string, Choice, std::less<>> choices;
    std::string documentStart;
    std::string documentEnd;
    QueueStore store;
};

void WritePpd(const printers::ModelRow& model, const QueueDefaults& defaults, std::ostream& out);

}  // namespace orca::host::cups
