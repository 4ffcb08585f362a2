// SPDX-License-Identifier: Apache-2.0
// Dialogs: the object a page or dialog class derives from. It owns the link
// between its window and its handlers: page-level events arrive as virtual
// calls, control notices go to the handlers routed with On().
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/window_handler.h"
#include "platform/window_types.h"
#include "resources/dialog_template.h"

namespace orca::framework {

using platform::Notification;
using platform::Window;

class Edit;

class Dialog {
public:
    // The template may be null (a missing resource): nothing can then be made.
    explicit Dialog(const resources::DialogTemplate* dialog);
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    const resources::DialogTemplate* Template() const { return template_; }
    // The dialog's window while it exists, else null.
    Window window() const { return window_; }

    // Shows the dialog modally, owned by owner, until EndDialog; returns the
    // result, or -1 when it cannot be made (or is already open).
    int DoModal(Window owner);
    void EndDialog(int result);
    // Makes the dialog as a hidden borderless child of parent.
    bool CreateChild(Window parent);
    // Destroys a child dialog's window.
    void DestroyWindow();

    // The child control with that identifier, or null.
    Window Item(int controlId) const;
    // Direct children in window order.
    std::vector<Window> Children() const;
    std::u16string Caption() const;
    void SetCaption(std::u16string_view caption) const;

    // Routes a control's notice to a handler; a later route for the same
    // control and notice replaces the earlier one.
    using Handler = std::function<void()>;
    void On(int controlId, Notification code, Handler handler);

protected:
    // The window exists with its controls; nothing is shown yet.
    virtual void OnInitDialog() {}
    // The window-shown notice.
    virtual void OnShown(bool /*shown*/) {}
    // Property pages: the page becomes, or stops being, the sheet's current page.
    virtual void OnActivate(bool /*active*/) {}
    // Property pages: the sheet's Apply or OK; false keeps the sheet open.
    virtual bool OnApply() { return true; }
    virtual void OnMouse(platform::MouseEvent /*event*/, platform::Point /*at*/) {}
    // The window is going away (it still exists).
    virtual void OnDestroy() {}
    // A notice no route handles. By default a click on IDOK or IDCANCEL ends
    // a modal dialog with that identifier, as the Enter and Escape keys do.
    virtual void OnUnrouted(int controlId, Notification code);

private:
    friend class Edit;
    friend class PropertyPage;

    // Turns the window system's calls into this dialog's events.
    class Router final : public platform::WindowHandler {
    public:
        explicit Router(Dialog& dialog) : dialog_(dialog) {}
        void OnInit(Window self) override;
        void OnNotify(Window self, Window control, int controlId, Notification code) override;
        bool OnChar(Window self, Window control, int controlId, char16_t ch) override;
        void OnShown(Window self, bool shown) override;
        void OnActivate(Window self, bool active) override;
        bool OnApply(Window self) override;
        void OnMouse(Window self, platform::MouseEvent event, platform::Point at) override;
        void OnDestroy(Window self) override;

    private:
        Dialog& dialog_;
    };

    struct Route {
        int controlId;
        Notification code;
        Handler handler;
    };

    void AddEdit(int controlId, Edit* edit);
    void RemoveEdit(Edit* edit);

    const resources::DialogTemplate* template_;
    Router router_{*this};
    Window window_ = nullptr;
    bool modal_ = false;
    bool detached_ = false;  // set while the object is being destroyed
    std::vector<Route> routes_;
    std::vector<std::pair<int, Edit*>> edits_;
};

}  // namespace orca::framework
