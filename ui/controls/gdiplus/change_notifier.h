#pragma once
// The change rule of the smooth controls' property objects (fills, painters, captions): a setter
// stores a value only when it differs from the one held and then reports the change through
// OnChange, on which the owner repaints.

#include <functional>
#include <utility>

namespace kv {

class ChangeNotifier {
  public:
    std::function<void()> OnChange;

  protected:
    ChangeNotifier() = default;
    ~ChangeNotifier() = default;
    ChangeNotifier(const ChangeNotifier&) = delete;
    ChangeNotifier& operator=(const ChangeNotifier&) = delete;

    template <class T>
    void Change(T& field, T value) {
        if (field == value) return;
        field = std::move(value);
        Changed();
    }
    void Changed() const {
        if (OnChange) OnChange();
    }
};

}  // namespace kv
