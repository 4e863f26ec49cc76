// Every prompt the program shows goes through this service, so that tests can
// answer it and an unattended run could refuse it.
#pragma once

#include <functional>
#include <optional>
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

// The about box: product name, version and copyright above a free text, with OK
// and one button of the caller's (the program's "&Web Site"). Pressing that
// button runs onCustomButton and leaves the box open; an empty caption hides it.
struct AboutRequest {
    std::string title;
    std::string productName;
    std::string version;
    std::string copyright;
    std::string text;
    std::string customButtonCaption;
    std::function<void()> onCustomButton;
};

class IDialogs {
public:
    virtual ~IDialogs() = default;
    virtual MsgAnswer messageBox(const MessageRequest& request) = 0;

    // A small modal dialog: the prompt, an edit holding `defaultValue`, OK and
    // Cancel. OK gives the edit's text; Cancel (or closing) gives `defaultValue`.
    virtual std::string inputBox(const std::string& title, const std::string& prompt,
                                 const std::string& defaultValue) = 0;
    // The same dialog, starting with `value`: OK stores the edit's text in `value`
    // and returns true; Cancel leaves `value` alone and returns false.
    virtual bool inputQuery(const std::string& title, const std::string& prompt, std::string& value) = 0;

    // The system's open-file dialog. `filter` lists pairs of a description and
    // its patterns, all separated by '|':
    //     "Text files (*.txt)|*.txt|All files (*.*)|*.*"
    // (several patterns of one entry are separated by ';': "*.reg;*.txt"); empty
    // shows every file. `initialFolder` may be empty. With `mustExist` only an
    // existing file can be chosen. Nullopt when the user cancels.
    virtual std::optional<std::string> openFile(const std::string& title, const std::string& filter,
                                                const std::string& initialFolder, bool mustExist) = 0;

    // The system's folder browser, starting at `initialFolder` (may be empty);
    // with `allowCreate` it has a button that makes a new folder. Only file-system
    // folders can be chosen. Nullopt when the user cancels.
    virtual std::optional<std::string> browseFolder(const std::string& title, const std::string& initialFolder,
                                                    bool allowCreate) = 0;

    // Shows the about box until OK (or closing).
    virtual void aboutBox(const AboutRequest& request) = 0;
};

}  // namespace sv
