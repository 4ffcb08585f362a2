// SPDX-License-Identifier: Apache-2.0
#include "host/cups/job_language.h"

#include <gtest/gtest.h>

#include "host/cups/label_options.h"

namespace orca::host::cups {
namespace {

TEST(JobLanguage, OnlyCommandsOfThePrintersLanguagePass) {
    const printers::ModelRow& orca = *FindModel("Kestrel(ORCA)");
    const printers::ModelRow& onyx = *FindModel("Heron(ONYX)");
    const struct {
        const printers::ModelRow& model;
        std::string start;
        std::string contentType;
        std::optional<std::string> refusal;
    } cases[] = {
        {orca, "^XA^FDx^FS^XZ", "", std::nullopt},
        {orca, "\r\n  ~JC", "text/plain", std::nullopt},
        {orca,
         "\x10"
         "CT~~CD,~CC^~CT~",
         "", std::nullopt},
        {orca, "", "", std::nullopt},
        {onyx, "\x02L\rE\r", "", std::nullopt},
        {onyx, "\x01#", "", std::nullopt},
        {orca, "%PDF-1.7", "application/pdf",
         "Kestrel(ORCA) prints label commands in ORCA; this job is a PDF document and was not "
         "printed"},
        {onyx, "\x89PNG\r\n", "image/png",
         "Heron(ONYX) prints label commands in ONYX; this job is a PNG image and was not printed"},
        {onyx, "^XA^XZ", "application/vnd.orcaui-orca",
         "Heron(ONYX) prints label commands in ONYX; this job is in ORCA commands and was not "
         "printed"},
        {orca, "Dear reader", "text/plain",
         "Kestrel(ORCA) prints label commands in ORCA; this job is not label commands "
         "(text/plain) and was not printed"},
    };
    for (const auto& test : cases)
        EXPECT_EQ(RefusalOf(test.start, test.model, test.contentType), test.refusal) << test.start;
}

}  // namespace
}  // namespace orca::host::cups
