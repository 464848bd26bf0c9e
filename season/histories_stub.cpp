#include "season/histories_stub.h"

namespace kv {

int FindChampion(const GameData&, int, int, int) {
    return -1;
}

}  // namespace kv
