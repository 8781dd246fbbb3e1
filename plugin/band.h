// Where a block's entry sits in the block table.
#pragma once

#include <cstdint>

#include "settings/settings.h"

namespace ostrel {

// The first position of a sorted block table whose Kind is kind, else -1.
int FindEntryOfKind(const BlockTable& table, std::int32_t kind);

}  // namespace ostrel
