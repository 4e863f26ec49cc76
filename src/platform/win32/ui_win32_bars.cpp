#include "platform/win32/ui_win32_peer.h"

namespace sv::win32 {

void installBarPeers() {}

}  // namespace sv::win32
