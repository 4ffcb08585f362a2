// SPDX-License-Identifier: Apache-2.0
#include "host/output/json_output.h"

#include <iostream>

namespace orca::host {

void PrintJson(const Json& json) {
    std::cout << json.dump(2, ' ', false, Json::error_handler_t::replace) << "\n";
}

}  // namespace orca::host
