// SPDX-License-Identifier: Apache-2.0
#include "framework/dialog.h"

#include <algorithm>

#include "framework/controls.h"
#include "framework/window_port.h"
#include "platform/exception_barrier.h"
#include "resources/window_styles.h"

namespace orca::framework {

Dialog::Dialog(const resources::DialogTemplate* dialog) : template_(dialog) {}

Dialog::~Dialog() {
    // The derived parts are gone: no event may reach them any more.
    detached_ = true;
    platform::WindowSystem* port = PortIfAny();
    if (window_ != nullptr && !modal_ && port != nullptr) {
        port->Destroy(window_);
    }
}

int Dialog::DoModal(Window owner) {
    if (template_ == nullptr || window_ != nullptr) {
        return -1;
    }
    modal_ = true;
    int result = Port().RunModal(*template_, owner, router_);
    modal_ = false;
    window_ = nullptr;
    return result;
}

void Dialog::EndDialog(int result) {
    if (modal_ && window_ != nullptr) {
        Port().EndModal(window_, result);
    }
}

bool Dialog::CreateChild(Window parent) {
    if (template_ == nullptr || window_ != nullptr) {
        return false;
    }
    return Port().CreateChildDialog(*template_, parent, router_) != nullptr;
}

void Dialog::DestroyWindow() {
    if (window_ != nullptr && !modal_) {
        Port().Destroy(window_);
    }
}

Window Dialog::Item(int controlId) const {
    return window_ == nullptr ? nullptr : Port().Child(window_, controlId);
}

std::vector<Window> Dialog::Children() const {
    return window_ == nullptr ? std::vector<Window>{} : Port().Children(window_);
}

std::u16string Dialog::Caption() const {
    return window_ == nullptr ? std::u16string() : Port().Text(window_);
}

void Dialog::SetCaption(std::u16string_view caption) const {
    if (window_ != nullptr) {
        Port().SetText(window_, caption);
    }
}

void Dialog::On(int controlId, Notification code, Handler handler) {
    auto same = [&](const Route& route) {
        return route.controlId == controlId && route.code == code;
    };
    auto found = std::ranges::find_if(routes_, same);
    if (found != routes_.end()) {
        found->handler = std::move(handler);
    } else {
        routes_.push_back({controlId, code, std::move(handler)});
    }
}

void Dialog::OnUnrouted(int controlId, Notification code) {
    bool closes = controlId == resources::IDOK || controlId == resources::IDCANCEL;
    if (modal_ && closes && code == Notification::kClicked) {
        EndDialog(controlId);
    }
}

void Dialog::AddEdit(int controlId, Edit* edit) {
    edits_.emplace_back(controlId, edit);
}

void Dialog::RemoveEdit(Edit* edit) {
    std::erase_if(edits_, [edit](const auto& entry) { return entry.second == edit; });
}

// The window system calls in here: a page's handler that runs out of memory
// ends its event with the event's failure answer (a dropped character, a
// refused apply) and leaves the page as it was left for the next event.
void Dialog::Router::OnInit(Window self) {
    dialog_.window_ = self;
    if (!dialog_.detached_) {
        platform::Contained([this] { dialog_.OnInitDialog(); });
    }
}

void Dialog::Router::OnNotify(Window, Window, int controlId, Notification code) {
    if (dialog_.detached_) {
        return;
    }
    for (const Route& route : dialog_.routes_) {
        if (route.controlId == controlId && route.code == code) {
            // A copy: the handler may re-route its own notice.
            platform::Contained([&] {
                Handler handler = route.handler;
                handler();
            });
            return;
        }
    }
    platform::Contained([&] { dialog_.OnUnrouted(controlId, code); });
}

bool Dialog::Router::OnChar(Window, Window, int controlId, char16_t ch) {
    if (dialog_.detached_) {
        return true;
    }
    // The edit made last for that control decides.
    for (auto entry = dialog_.edits_.rbegin(); entry != dialog_.edits_.rend(); ++entry) {
        if (entry->first == controlId) {
            return platform::Contained(false, [&] { return entry->second->AcceptChar(ch); });
        }
    }
    return true;
}

void Dialog::Router::OnShown(Window, bool shown) {
    if (!dialog_.detached_) {
        platform::Contained([&] { dialog_.OnShown(shown); });
    }
}

void Dialog::Router::OnActivate(Window, bool active) {
    if (!dialog_.detached_) {
        platform::Contained([&] { dialog_.OnActivate(active); });
    }
}

bool Dialog::Router::OnApply(Window) {
    return dialog_.detached_ || platform::Contained(false, [this] { return dialog_.OnApply(); });
}

void Dialog::Router::OnMouse(Window, platform::MouseEvent event, platform::Point at) {
    if (!dialog_.detached_) {
        platform::Contained([&] { dialog_.OnMouse(event, at); });
    }
}

void Dialog::Router::OnDestroy(Window) {
    if (!dialog_.detached_) {
        platform::Contained([this] { dialog_.OnDestroy(); });
    }
    dialog_.window_ = nullptr;
}

}  // namespace orca::framework
