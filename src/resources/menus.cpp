// SPDX-License-Identifier: Apache-2.0
// The control-code menu of the command editors: one item per byte 0x00 to
// 0x1F, labelled with the byte in hexadecimal and its ASCII name.
#include <algorithm>
#include <array>

#include "resources/dialog_template.h"
#include "resources/page_resources.h"

namespace orca::resources {
namespace {

constexpr std::array<MenuItemTemplate, 32> kControlCodes = {{
    {kControlCodeCommandFirst + 0x00, u"00  <NUL>"},
    {kControlCodeCommandFirst + 0x01, u"01  <SOH>"},
    {kControlCodeCommandFirst + 0x02, u"02  <STX>"},
    {kControlCodeCommandFirst + 0x03, u"03  <ETX>"},
    {kControlCodeCommandFirst + 0x04, u"04  <EOT>"},
    {kControlCodeCommandFirst + 0x05, u"05  <ENQ>"},
    {kControlCodeCommandFirst + 0x06, u"06  <ACK>"},
    {kControlCodeCommandFirst + 0x07, u"07  <BEL>"},
    {kControlCodeCommandFirst + 0x08, u"08  <BS>"},
    {kControlCodeCommandFirst + 0x09, u"09  <HT>"},
    {kControlCodeCommandFirst + 0x0A, u"0A  <LF>"},
    {kControlCodeCommandFirst + 0x0B, u"0B  <VT>"},
    {kControlCodeCommandFirst + 0x0C, u"0C  <FF>"},
    {kControlCodeCommandFirst + 0x0D, u"0D  <CR>"},
    {kControlCodeCommandFirst + 0x0E, u"0E  <SO>"},
    {kControlCodeCommandFirst + 0x0F, u"0F  <SI>"},
    {kControlCodeCommandFirst + 0x10, u"10  <DLE>"},
    {kControlCodeCommandFirst + 0x11, u"11  <DC1>"},
    {kControlCodeCommandFirst + 0x12, u"12  <DC2>"},
    {kControlCodeCommandFirst + 0x13, u"13  <DC3>"},
    {kControlCodeCommandFirst + 0x14, u"14  <DC4>"},
    {kControlCodeCommandFirst + 0x15, u"15  <NAK>"},
    {kControlCodeCommandFirst + 0x16, u"16  <SYN>"},
    {kControlCodeCommandFirst + 0x17, u"17  <ETB>"},
    {kControlCodeCommandFirst + 0x18, u"18  <CAN>"},
    {kControlCodeCommandFirst + 0x19, u"19  <EM>"},
    {kControlCodeCommandFirst + 0x1A, u"1A  <SUB>"},
    {kControlCodeCommandFirst + 0x1B, u"1B  <ESC>"},
    {kControlCodeCommandFirst + 0x1C, u"1C  <FS>"},
    {kControlCodeCommandFirst + 0x1D, u"1D  <GS>"},
    {kControlCodeCommandFirst + 0x1E, u"1E  <RS>"},
    {kControlCodeCommandFirst + 0x1F, u"1F  <US>"},
}};

constexpr MenuTemplate kMenus[] = {
    {kMenuControlCodes, kControlCodes},
};

}  // namespace

const MenuTemplate* FindMenuTemplate(int id) {
    const auto* found = std::ranges::find(kMenus, id, &MenuTemplate::id);
    return found != std::end(kMenus) ? found : nullptr;
}

}  // namespace orca::resources
