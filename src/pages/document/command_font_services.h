// What the Command Fonts page and its dialog ask of the plug-in object
// besides the settings: whether fonts may be created, renamed and deleted
// here, and the command-font list of the sheet's settings.
#pragma once

#include <cstdint>

namespace orca::pages {

class CommandFontServices {
public:
    virtual ~CommandFontServices() = default;

    // True inside the shell or the control-panel runner, false inside an
    // application's print dialog.
    virtual bool IsShellHost() = 0;
    // Appends a zeroed command-font record: its index, or a negative code
    // when 32 are in use or no settings are attached.
    virtual int32_t AddCMDFont() = 0;
    // Removes the record; later ones move down. 0 or a negative code.
    virtual int32_t DeleteCMDFont(int32_t index) = 0;
};

}  // namespace orca::pages
