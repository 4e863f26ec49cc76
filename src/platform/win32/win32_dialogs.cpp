// Message boxes on the real desktop.
#include <windows.h>

#include "platform/win32/text.h"
#include "platform/win32/win32_services.h"

namespace sv::win32 {
namespace {

class Win32Dialogs : public IDialogs {
public:
    MsgAnswer messageBox(const MessageRequest& r) override {
        UINT type = static_cast<UINT>(r.buttons) | static_cast<UINT>(r.icon);
        if (r.systemModal) type |= MB_SYSTEMMODAL;
        // Owned by whatever window of ours is active, so the box stays on top of it
        // and disables it; with none active the box stands alone.
        const int answer = MessageBoxW(GetActiveWindow(), widen(r.text).c_str(), widen(r.title).c_str(), type);
        switch (answer) {
            case IDOK: return MsgAnswer::Ok;
            case IDYES: return MsgAnswer::Yes;
            case IDNO: return MsgAnswer::No;
            default: return MsgAnswer::Cancel;  // IDCANCEL, closed, or no box at all
        }
    }
};

}  // namespace

std::unique_ptr<IDialogs> makeDialogs() { return std::make_unique<Win32Dialogs>(); }

}  // namespace sv::win32
