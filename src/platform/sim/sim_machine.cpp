#include "platform/sim/sim_machine.h"

namespace sv::sim {

SimMachine::SimMachine() : reg_(sys_), fs_(sys_), sh_(fs_, sys_) {}

}  // namespace sv::sim
