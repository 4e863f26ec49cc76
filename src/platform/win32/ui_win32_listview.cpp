#include "platform/win32/ui_win32_peer.h"

namespace sv::win32 {

void installListViewPeers() {}

}  // namespace sv::win32
