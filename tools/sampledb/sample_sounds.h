#pragma once
// The seven sound effects of a shown match, synthesised: whistles, a crowd's roar and groan.

#include <string>

namespace kv::sampledb {

// Writes gol1, goladv, fimjogo, penalty, contusao, intervalo and expulsao (.wav) into `folder`.
bool WriteSoundEffects(const std::string& folder, std::string* error);

}  // namespace kv::sampledb
