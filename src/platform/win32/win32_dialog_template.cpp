// SPDX-License-Identifier: Apache-2.0
#include "platform/win32/win32_dialog_template.h"

#include <windows.h>

#include <cstring>
#include <string_view>

namespace orca::platform::win32 {

namespace {

// The dialog font: 8-point "MS Shell Dlg", the system's dialog face.
constexpr std::u16string_view kFontFace = u"MS Shell Dlg";
constexpr uint16_t kFontPoints = 8;

constexpr uint32_t kKindStyles[] = {
    /* kPage */ DS_SHELLFONT | WS_CHILD | WS_CAPTION,
    /* kModal */ DS_SHELLFONT | DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU,
    /* kChild */ DS_SHELLFONT | DS_CONTROL | WS_CHILD,
};

class TemplateWriter {
public:
    void Word(uint16_t value) { Append(&value, sizeof value); }
    void Dword(uint32_t value) { Append(&value, sizeof value); }
    void Text(std::u16string_view text) {
        Append(text.data(), text.size() * sizeof(char16_t));
        Word(0);
    }
    void AlignToDword() {
        while (bytes_.size() % 4 != 0)
            bytes_.push_back(0);
    }
    std::vector<uint32_t> Finish() {
        AlignToDword();
        std::vector<uint32_t> out(bytes_.size() / 4);
        std::memcpy(out.data(), bytes_.data(), bytes_.size());
        return out;
    }

private:
    void Append(const void* data, size_t size) {
        const auto* begin = static_cast<const uint8_t*>(data);
        bytes_.insert(bytes_.end(), begin, begin + size);
    }
    std::vector<uint8_t> bytes_;
};

bool IsPicture(const resources::ControlTemplate& control) {
    return control.className == resources::kClassStatic &&
           (control.style & SS_TYPEMASK) == SS_BITMAP;
}

}  // namespace

const resources::BitmapResource* PictureBitmap(const resources::ControlTemplate& control) {
    return IsPicture(control) ? resources::NamedBitmap(control.text) : nullptr;
}

std::vector<uint32_t> BuildDialogTemplate(const resources::DialogTemplate& dialog,
                                          DialogKind kind) {
    TemplateWriter out;
    out.Word(1);       // dlgVer
    out.Word(0xFFFF);  // signature of the extended template
    out.Dword(0);      // helpID
    out.Dword(0);      // exStyle
    out.Dword(kKindStyles[static_cast<int>(kind)]);
    out.Word(static_cast<uint16_t>(dialog.controls.size()));
    out.Word(0);
    out.Word(0);
    out.Word(static_cast<uint16_t>(dialog.cx));
    out.Word(static_cast<uint16_t>(dialog.cy));
    out.Word(0);  // no menu
    out.Word(0);  // the dialog class
    out.Text(dialog.caption);
    out.Word(kFontPoints);
    out.Word(FW_NORMAL);
    out.Word(DEFAULT_CHARSET << 8);  // italic 0, then the character set
    out.Text(kFontFace);
    for (const resources::ControlTemplate& control : dialog.controls) {
        out.AlignToDword();
        out.Dword(0);  // helpID
        out.Dword(0);  // exStyle
        out.Dword(control.style | WS_CHILD);
        out.Word(static_cast<uint16_t>(control.x));
        out.Word(static_cast<uint16_t>(control.y));
        out.Word(static_cast<uint16_t>(control.cx));
        out.Word(static_cast<uint16_t>(control.cy));
        out.Dword(static_cast<uint32_t>(control.id));
        out.Text(control.className);
        out.Text(IsPicture(control) ? std::u16string_view() : control.text);
        out.Word(0);  // no creation data
    }
    return out.Finish();
}

}  // namespace orca::platform::win32
