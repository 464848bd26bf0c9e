#pragma once
// A non-visual part of a form (timer, pop-up menu, image list): owned by the form, found by
// name like its controls. A control may also keep one as a member (a fade timer) and name itself
// the owner, so that the part stops when the control is freed.

#include <string>

#include "platform/window/keys.h"

namespace kv {

class Control;

class Component {
public:
    virtual ~Component() = default;
    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    Control* Owner() const { return owner_; }
    void SetOwner(Control* owner) { owner_ = owner; }
    // A key pressed while the form that owns the part has the focus, before any control sees
    // it: a part that binds the key to a command (a menu item's short cut) runs it and returns
    // true.
    virtual bool FireShortCut(int /*key*/, ShiftState /*shift*/) { return false; }

private:
    std::string name_;
    Control* owner_ = nullptr;
};

}  // namespace kv
