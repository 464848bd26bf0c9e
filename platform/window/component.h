#pragma once
// A non-visual part of a form (timer, pop-up menu, image list): owned by the form, found by
// name like its controls. A control may also keep one as a member (a fade timer) and name itself
// the owner, so that the part stops when the control is freed.

#include <string>

namespace kv {

class Control;

class Component {
public:
    virtual ~Component() = default;
    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    Control* Owner() const { return owner_; }
    void SetOwner(Control* owner) { owner_ = owner; }

private:
    std::string name_;
    Control* owner_ = nullptr;
};

}  // namespace kv
