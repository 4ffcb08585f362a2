// SPDX-License-Identifier: Apache-2.0
// The Win32 window system's dialogs: one dialog procedure for pages, modal
// dialogs and child dialogs that turns the system's messages into the
// handler's calls, and the making and ending of those windows.
#include <windows.h>
// commctrl.h and prsht.h need windows.h first.
#include <commctrl.h>
#include <prsht.h>

#include <array>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/exception_barrier.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_dialog_template.h"
#include "platform/win32/win32_module.h"
#include "platform/win32/win32_visual_styles.h"
#include "platform/win32/win32_window_system.h"
#include "resources/bitmaps.h"

namespace orca::platform::win32 {

namespace {

// The window property that ties a dialog to its context.
constexpr wchar_t kContextProperty[] = L"OrcaDialogContext";

struct DialogContext {
    WindowHandler* handler;
    const resources::DialogTemplate* dialog;
    std::vector<uint32_t> memory;
    std::wstring title;
    // A page's description, which sheets copy: each copy points back here.
    PROPSHEETPAGEW description{};
    // A child dialog's context goes with its window; a page's goes when every
    // sheet copy of it is released, DestroyPage has been called and the
    // page's window (if made) is gone, in whichever order those come.
    bool ownedByWindow = false;
    int sheetCopies = 0;
    bool pageDestroyed = false;
    bool windowAlive = false;
    HWND window = nullptr;
    // Set when a child dialog's window takes the context over.
    bool* attached = nullptr;
};

Window Self(HWND hwnd) {
    return reinterpret_cast<Window>(hwnd);
}
HWND Handle(Window window) {
    return reinterpret_cast<HWND>(window);
}

DialogContext* ContextOf(HWND hwnd) {
    return static_cast<DialogContext*>(GetPropW(hwnd, kContextProperty));
}

WindowHandler* HandlerOf(HWND hwnd) {
    DialogContext* context = ContextOf(hwnd);
    return context != nullptr ? context->handler : nullptr;
}

// The embedded two-tone bitmaps as system bitmaps, one for each bitmap and
// scale shown, kept for the module's life and deleted when it is unloaded.
// Sheets may be shown on several threads.
class MadeBitmaps {
public:
    ~MadeBitmaps() {
        for (const Made& made : list_)
            DeleteObject(made.bitmap);
    }

    HBITMAP Get(const resources::BitmapResource& source, int scale) {
        AcquireSRWLockExclusive(&lock_);
        HBITMAP bitmap = nullptr;
        for (const Made& made : list_) {
            if (made.source == &source && made.scale == scale)
                bitmap = made.bitmap;
        }
        if (bitmap == nullptr) {
            bitmap = Make(source, scale);
            list_.push_back({&source, scale, bitmap});
        }
        ReleaseSRWLockExclusive(&lock_);
        return bitmap;
    }

private:
    struct Made {
        const resources::BitmapResource* source;
        int scale;
        HBITMAP bitmap;
    };

    // Each bitmap pixel becomes a square of scale by scale screen pixels.
    // The pixels' alpha stays 0, so a version-6 static control draws the
    // bitmap itself rather than keeping a blended copy of it.
    static HBITMAP Make(const resources::BitmapResource& source, int scale) {
        const int width = source.width * scale;
        const int height = source.height * scale;
        std::vector<uint32_t> pixels(static_cast<size_t>(width) * height, 0xFFFFFF);
        for (int y = 0; y < height; ++y) {
            const size_t row = static_cast<size_t>(y / scale);
            const std::string_view cells = row < source.rows.size() ? source.rows[row] : "";
            for (int x = 0; x < width; ++x) {
                const size_t cell = static_cast<size_t>(x / scale);
                if (cell < cells.size() && cells[cell] == '#')
                    pixels[static_cast<size_t>(y) * width + x] = 0;
            }
        }
        return CreateBitmap(width, height, 1, 32, pixels.data());
    }

    SRWLOCK lock_ = SRWLOCK_INIT;
    std::vector<Made> list_;
};

MadeBitmaps madeBitmaps;

// A picture shows its bitmap at the largest whole scale that fits the box
// the dialog manager made for it at the dialog's resolution, centred there.
void ShowPicture(HWND dialog, HWND picture, const resources::BitmapResource& source) {
    RECT box{};
    GetWindowRect(picture, &box);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&box), 2);
    const resources::PicturePlace place = resources::PlaceInBox(
        source, box.left, box.top, box.right - box.left, box.bottom - box.top);
    SendMessageW(picture, STM_SETIMAGE, IMAGE_BITMAP,
                 reinterpret_cast<LPARAM>(madeBitmaps.Get(source, place.scale)));
    SetWindowPos(picture, nullptr, place.left, place.top, place.width, place.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

// Characters typed into an edit reach the dialog's handler first.
LRESULT CALLBACK EditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                          DWORD_PTR) {
    if (message == WM_CHAR) {
        HWND dialog = GetParent(edit);
        WindowHandler* handler = HandlerOf(dialog);
        if (handler != nullptr && !handler->OnChar(Self(dialog), Self(edit), GetDlgCtrlID(edit),
                                                   static_cast<char16_t>(wParam)))
            return 0;
    } else if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(edit, EditProc, id);
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

void PrepareControls(HWND dialog, const resources::DialogTemplate& data) {
    for (const resources::ControlTemplate& control : data.controls) {
        HWND made = GetDlgItem(dialog, control.id);
        if (made == nullptr)
            continue;
        if (control.className == resources::kClassEdit)
            SetWindowSubclass(made, EditProc, 1, 0);
        if (const resources::BitmapResource* bitmap = PictureBitmap(control))
            ShowPicture(dialog, made, *bitmap);
    }
}

// The control notices by window class and notification code; codes the
// port has no notice for are not passed on.
struct NoticeRow {
    std::wstring_view className;
    WORD code;
    Notification notice;
};

constexpr NoticeRow kNotices[] = {
    {L"Button", BN_CLICKED, Notification::kClicked},
    {L"Button", BN_SETFOCUS, Notification::kSetFocus},
    {L"Button", BN_KILLFOCUS, Notification::kKillFocus},
    {L"Static", STN_CLICKED, Notification::kClicked},
    {L"Edit", EN_CHANGE, Notification::kTextChanged},
    {L"Edit", EN_SETFOCUS, Notification::kSetFocus},
    {L"Edit", EN_KILLFOCUS, Notification::kKillFocus},
    {L"ComboBox", CBN_SELCHANGE, Notification::kSelectionChanged},
    {L"ComboBox", CBN_DBLCLK, Notification::kDoubleClicked},
    {L"ComboBox", CBN_EDITCHANGE, Notification::kTextChanged},
    {L"ComboBox", CBN_SETFOCUS, Notification::kSetFocus},
    {L"ComboBox", CBN_KILLFOCUS, Notification::kKillFocus},
    {L"ListBox", LBN_SELCHANGE, Notification::kSelectionChanged},
    {L"ListBox", LBN_DBLCLK, Notification::kDoubleClicked},
    {L"ListBox", LBN_SETFOCUS, Notification::kSetFocus},
    {L"ListBox", LBN_KILLFOCUS, Notification::kKillFocus},
};

const NoticeRow* FindNotice(HWND control, WORD code) {
    std::array<wchar_t, 64> name{};
    const int length = GetClassNameW(control, name.data(), static_cast<int>(name.size()));
    const std::wstring_view className(name.data(), length > 0 ? length : 0);
    for (const NoticeRow& row : kNotices) {
        if (row.code == code &&
            CompareStringOrdinal(row.className.data(), static_cast<int>(row.className.size()),
                                 className.data(), static_cast<int>(className.size()),
                                 TRUE) == CSTR_EQUAL)
            return &row;
    }
    return nullptr;
}

void OnCommand(HWND dialog, WindowHandler& handler, WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    HWND control = reinterpret_cast<HWND>(lParam);
    if (control == nullptr) {
        // Enter and Escape press the dialog's default and cancel buttons.
        handler.OnNotify(Self(dialog), Self(GetDlgItem(dialog, id)), id, Notification::kClicked);
        return;
    }
    if (const NoticeRow* row = FindNotice(control, HIWORD(wParam)))
        handler.OnNotify(Self(dialog), Self(control), id, row->notice);
}

// The sheet's notices to a page; the answer goes back in DWLP_MSGRESULT.
bool OnSheetNotice(HWND page, WindowHandler& handler, const NMHDR& header) {
    switch (header.code) {
        case PSN_SETACTIVE:
            handler.OnActivate(Self(page), true);
            SetWindowLongPtrW(page, DWLP_MSGRESULT, 0);
            return true;
        case PSN_KILLACTIVE:
            handler.OnActivate(Self(page), false);
            SetWindowLongPtrW(page, DWLP_MSGRESULT, FALSE);
            return true;
        case PSN_APPLY:
            SetWindowLongPtrW(
                page, DWLP_MSGRESULT,
                handler.OnApply(Self(page)) ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE);
            return true;
        default:
            return false;
    }
}

void OnMouse(HWND dialog, WindowHandler& handler, UINT message, LPARAM lParam) {
    const Point at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    MouseEvent event = MouseEvent::kLeftButtonUp;
    if (message == WM_MOUSEMOVE) {
        event = MouseEvent::kMove;
        TRACKMOUSEEVENT track{sizeof track, TME_HOVER, dialog, HOVER_DEFAULT};
        TrackMouseEvent(&track);
    } else if (message == WM_MOUSEHOVER) {
        event = MouseEvent::kHover;
    }
    handler.OnMouse(Self(dialog), event, at);
}

// Modal dialogs' contexts belong to RunModal and are never deleted here.
void DeletePageContextWhenDone(DialogContext* context) {
    if (context->sheetCopies <= 0 && context->pageDestroyed && !context->windowAlive)
        delete context;
}

INT_PTR DispatchDialogMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* context = reinterpret_cast<DialogContext*>(lParam);
        SetPropW(dialog, kContextProperty, context);
        context->windowAlive = true;
        context->window = dialog;
        if (context->attached != nullptr)
            *std::exchange(context->attached, nullptr) = true;
        PrepareControls(dialog, *context->dialog);
        if (context->handler != nullptr)
            context->handler->OnInit(Self(dialog));
        return TRUE;
    }
    if (message == WM_NCDESTROY) {
        DialogContext* context = ContextOf(dialog);
        RemovePropW(dialog, kContextProperty);
        if (context != nullptr) {
            context->windowAlive = false;
            context->window = nullptr;
            if (context->ownedByWindow)
                delete context;
            else
                DeletePageContextWhenDone(context);
        }
        return FALSE;
    }
    WindowHandler* handler = HandlerOf(dialog);
    if (handler == nullptr)
        return FALSE;
    switch (message) {
        case WM_COMMAND:
            OnCommand(dialog, *handler, wParam, lParam);
            return TRUE;
        case WM_NOTIFY:
            return OnSheetNotice(dialog, *handler, *reinterpret_cast<const NMHDR*>(lParam));
        case WM_SHOWWINDOW:
            handler->OnShown(Self(dialog), wParam != 0);
            return FALSE;
        case WM_MOUSEMOVE:
        case WM_MOUSEHOVER:
        case WM_LBUTTONUP:
            OnMouse(dialog, *handler, message, lParam);
            return TRUE;
        case WM_DESTROY:
            handler->OnDestroy(Self(dialog));
            return FALSE;
        default:
            return FALSE;
    }
}

// The window system's way in: a message whose handling runs out of memory is
// answered "not handled".
INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    return Contained(INT_PTR{FALSE},
                     [&] { return DispatchDialogMessage(dialog, message, wParam, lParam); });
}

// A page's WM_INITDIALOG carries its sheet copy of PROPSHEETPAGEW.
INT_PTR CALLBACK PageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG)
        lParam = reinterpret_cast<const PROPSHEETPAGEW*>(lParam)->lParam;
    return DialogProc(page, message, wParam, lParam);
}

// Each sheet copy of a page is counted from its making to its release.
UINT CALLBACK PageCallback(HWND, UINT message, PROPSHEETPAGEW* page) {
    if (page == nullptr)
        return 1;
    auto* context = reinterpret_cast<DialogContext*>(page->lParam);
    if (message == PSPCB_ADDREF) {
        ++context->sheetCopies;
    } else if (message == PSPCB_RELEASE) {
        --context->sheetCopies;
        DeletePageContextWhenDone(context);
    }
    return 1;
}

std::unique_ptr<DialogContext> NewContext(const resources::DialogTemplate& dialog,
                                          WindowHandler& handler, DialogKind kind) {
    return std::make_unique<DialogContext>(
        DialogContext{&handler, &dialog, BuildDialogTemplate(dialog, kind), {}});
}

const DLGTEMPLATE* TemplateOf(const DialogContext& context) {
    return reinterpret_cast<const DLGTEMPLATE*>(context.memory.data());
}

DialogContext* PageContext(PageHandle page) {
    return reinterpret_cast<DialogContext*>(page);
}

}  // namespace

Win32WindowSystem::Win32WindowSystem() {
    const VisualStylesScope styles;
    INITCOMMONCONTROLSEX classes{sizeof classes,
                                 ICC_UPDOWN_CLASS | ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&classes);
}

PageHandle Win32WindowSystem::CreatePage(const resources::DialogTemplate& dialog,
                                         std::u16string_view title, WindowHandler& handler) {
    std::unique_ptr<DialogContext> context = NewContext(dialog, handler, DialogKind::kPage);
    context->title = Wide(title);
    PROPSHEETPAGEW& page = context->description;
    page.dwSize = sizeof page;
    page.dwFlags = PSP_DLGINDIRECT | PSP_USECALLBACK | (title.empty() ? 0 : PSP_USETITLE);
    page.hInstance = ModuleInstance();
    page.pResource = TemplateOf(*context);
    page.pszTitle = context->title.c_str();
    page.pfnDlgProc = PageProc;
    page.lParam = reinterpret_cast<LPARAM>(context.get());
    page.pfnCallback = PageCallback;
    // The sheet makes the page's window in the module's activation context.
    if (const HANDLE styles = VisualStylesContext(); styles != INVALID_HANDLE_VALUE) {
        page.dwFlags |= PSP_USEFUSIONCONTEXT;
        page.hActCtx = styles;
    }
    return reinterpret_cast<PageHandle>(context.release());
}

const void* Win32WindowSystem::PageDescription(PageHandle page) {
    return page != nullptr ? &PageContext(page)->description : nullptr;
}

void Win32WindowSystem::DestroyPage(PageHandle page) {
    if (page == nullptr)
        return;
    DialogContext* context = PageContext(page);
    context->handler = nullptr;
    context->pageDestroyed = true;
    DeletePageContextWhenDone(context);
}

int Win32WindowSystem::RunModal(const resources::DialogTemplate& dialog, Window owner,
                                WindowHandler& handler) {
    std::unique_ptr<DialogContext> context = NewContext(dialog, handler, DialogKind::kModal);
    const VisualStylesScope styles;
    return static_cast<int>(DialogBoxIndirectParamW(ModuleInstance(), TemplateOf(*context),
                                                    Handle(owner), DialogProc,
                                                    reinterpret_cast<LPARAM>(context.get())));
}

void Win32WindowSystem::EndModal(Window dialog, int result) {
    EndDialog(Handle(dialog), result);
}

Window Win32WindowSystem::CreateChildDialog(const resources::DialogTemplate& dialog, Window parent,
                                            WindowHandler& handler) {
    std::unique_ptr<DialogContext> context = NewContext(dialog, handler, DialogKind::kChild);
    context->ownedByWindow = true;
    bool attached = false;
    context->attached = &attached;
    const VisualStylesScope styles;
    HWND made = CreateDialogIndirectParamW(ModuleInstance(), TemplateOf(*context), Handle(parent),
                                           DialogProc, reinterpret_cast<LPARAM>(context.get()));
    // Once the window got the context, the window's end frees it.
    if (attached)
        context.release();
    return Self(made);
}

void Win32WindowSystem::Destroy(Window window) {
    DestroyWindow(Handle(window));
}

void Win32WindowSystem::SetPageChanged(Window page, bool changed) {
    SendMessageW(GetParent(Handle(page)), changed ? PSM_CHANGED : PSM_UNCHANGED,
                 reinterpret_cast<WPARAM>(Handle(page)), 0);
}

int Win32WindowSystem::PageIndex(Window sheet, PageHandle page) {
    // The sheet holds its own copy of the page, whose handle is not known
    // here; the page's window, once made, tells its tab.
    const HWND window = page != nullptr ? PageContext(page)->window : nullptr;
    if (window == nullptr)
        return kPageIndexUnknown;
    const auto tabs = reinterpret_cast<HWND>(SendMessageW(Handle(sheet), PSM_GETTABCONTROL, 0, 0));
    const auto count = static_cast<int>(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0));
    for (int index = 0; index < count; ++index) {
        if (SendMessageW(Handle(sheet), PSM_INDEXTOHWND, static_cast<WPARAM>(index), 0) ==
            reinterpret_cast<LRESULT>(window))
            return index;
    }
    return -1;
}

void Win32WindowSystem::SendShownNotice(Window window) {
    if (WindowHandler* handler = HandlerOf(Handle(window)))
        handler->OnShown(window, true);
}

}  // namespace orca::platform::win32
