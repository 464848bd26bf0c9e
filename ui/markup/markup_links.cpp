#include "ui/markup/markup_links.h"

#include "platform/window/shell.h"
#include "ui/markup/markup_text.h"

namespace kv {

bool IsWebAddress(std::string_view target) {
    const auto after = [&](std::string_view scheme) {
        return StartsWithIgnoreCase(target, scheme) && target.size() > scheme.size();
    };
    return after("http://") || after("https://");
}

std::function<void(const std::string& address)>& MarkupOpenAddressHook() {
    static std::function<void(const std::string&)> hook = [](const std::string& address) {
        OpenUrl(address);  // a browser that fails to start is ignored, as the game expects
    };
    return hook;
}

bool OpenMarkupAnchor(std::string_view target) {
    auto& hook = MarkupOpenAddressHook();
    if (!IsWebAddress(target) || !hook) return false;
    hook(std::string(target));
    return true;
}

}  // namespace kv
