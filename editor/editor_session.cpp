#include "editor/editor_session.h"

#include "core/picture_paths.h"

namespace kv {

EditorSession& Editor() {
    static EditorSession session;
    return session;
}

std::string EditorTeamsFolder() {
    return GamePath("teams");
}

}  // namespace kv
