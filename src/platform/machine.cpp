#include "platform/machine.h"

#include <stdexcept>

namespace sv {
namespace {
Machine* g_machine = nullptr;
}

Machine& machine() {
    if (!g_machine) throw std::logic_error("no machine installed");
    return *g_machine;
}

Machine* installMachine(Machine* m) {
    Machine* previous = g_machine;
    g_machine = m;
    return previous;
}

}  // namespace sv
