#pragma once
// A non-visual part of a form (timer, pop-up menu, image list): owned by the form, found by
// name like its controls.

#include <string>

namespace kv {

class Form;

class Component {
public:
    virtual ~Component() = default;
    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    Form* Owner() const { return owner_; }
    void SetOwner(Form* owner) { owner_ = owner; }

private:
    std::string name_;
    Form* owner_ = nullptr;
};

}  // namespace kv
