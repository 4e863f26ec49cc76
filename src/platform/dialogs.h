// Every prompt the program shows goes through this service, so that tests can
// answer it and an unattended run could refuse it.
#pragma once

#include <string>

namespace sv {

// Button sets and answers with MessageBox's numbers.
enum class MsgButtons : unsigned { Ok = 0x0, OkCancel = 0x1, YesNoCancel = 0x3, YesNo = 0x4 };
enum class MsgIcon : unsigned { None = 0x0, Error = 0x10, Question = 0x20, Warning = 0x30, Information = 0x40 };
enum class MsgAnswer : int { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

struct MessageRequest {
    std::string title;
    std::string text;
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
    bool systemModal = false;
};

class IDialogs {
public:
    virtual ~IDialogs() = default;
    virtual MsgAnswer messageBox(const MessageRequest& request) = 0;
};

}  // namespace sv
