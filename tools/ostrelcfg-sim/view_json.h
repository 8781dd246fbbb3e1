// The settings program's view as one JSON object: view state, title, broadcasts and every visible control.
#pragma once

#include <ostream>

namespace ostrel::sim {

void WriteViewJson(std::ostream& out);

}  // namespace ostrel::sim
