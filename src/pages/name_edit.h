// SPDX-License-Identifier: Apache-2.0
// The edit of a name a person gives (a barcode or command font, a form). A
// name is one line of the settings file and of every list that shows it, so
// the edit refuses the line breaks of a paste (typing one is not possible in
// a one-line edit) and keeps the rest.
#pragma once

#include "framework/controls.h"

namespace orca::pages {

class NameEdit : public framework::Edit {
public:
    NameEdit(framework::Dialog& owner, int controlId);

private:
    void DropLineBreaks() const;
};

}  // namespace orca::pages
