#include "shell/web.h"

#include "platform/machine.h"

namespace sv {

void OpenWebPage(const char* address) { machine().shell().execute("OPEN", address, "", "", ShowCmd::Normal); }

}  // namespace sv
