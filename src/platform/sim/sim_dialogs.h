// The simulated dialogs: every prompt is recorded and answered from the test's script.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/dialogs.h"

namespace sv::sim {

enum class DialogKind { Message, Input, OpenFile, Folder, About };

class SimDialogs : public IDialogs {
public:
    // One dialog as it was shown and answered. `kind` says which fields apply.
    struct Shown {
        DialogKind kind = DialogKind::Message;
        MessageRequest request;           // Message
        MsgAnswer answer = MsgAnswer::Ok; // Message
        std::string title;                // every kind (a message box's too)
        std::string prompt;               // Input
        std::string initial;              // Input: the edit's starting text; OpenFile, Folder: the start folder
        std::string filter;               // OpenFile
        bool mustExist = false;           // OpenFile
        bool allowCreate = false;         // Folder
        std::optional<std::string> result;  // Input, OpenFile, Folder: nullopt = cancelled
        AboutRequest about;               // About
        bool pressedCustomButton = false; // About
    };

    // Every dialog is answered from the front of the script, whatever its kind. A
    // dialog that does not match the next expectation (or comes when none is left)
    // is recorded in problems() and the expectation stays for the next dialog;
    // such a message box is answered with its first button (Ok or Yes), any other
    // dialog with Cancel. An expected answer the box's buttons cannot give is a
    // problem too.
    MsgAnswer messageBox(const MessageRequest& request) override;
    std::string inputBox(const std::string& title, const std::string& prompt, const std::string& defaultValue) override;
    bool inputQuery(const std::string& title, const std::string& prompt, std::string& value) override;
    // A scripted file that does not exist when `mustExist` is a problem (the real
    // dialog cannot return it) and is answered with Cancel.
    std::optional<std::string> openFile(const std::string& title, const std::string& filter,
                                        const std::string& initialFolder, bool mustExist) override;
    // A scripted folder that does not exist is made, as the user would with the
    // new-folder button, when `allowCreate` and its parent exists; otherwise it is
    // a problem and answered with Cancel.
    std::optional<std::string> browseFolder(const std::string& title, const std::string& initialFolder,
                                            bool allowCreate) override;
    // Pressing the custom button runs its handler once (through the application's
    // dispatch, as a click would), then the box is closed with OK.
    void aboutBox(const AboutRequest& request) override;

    // --- test script ---
    void expectMessage(std::string text, MsgAnswer answer);           // the whole text
    void expectMessageContaining(std::string part, MsgAnswer answer); // a part of it
    // An input box or query with this whole prompt; nullopt presses Cancel.
    void expectInput(std::string prompt, std::optional<std::string> answer);
    void expectOpenFile(std::optional<std::string> answer);  // nullopt = Cancel
    void expectFolder(std::optional<std::string> answer);    // nullopt = Cancel
    void expectAbout(bool pressCustomButton = false);

    const std::vector<Shown>& shown() const { return shown_; }
    const std::vector<std::string>& problems() const { return problems_; }
    // The expectations no dialog used, described for a failure message.
    std::vector<std::string> unusedExpectations() const;
    // Empty when the script was followed exactly; else all problems and leftovers, one a line.
    std::string report() const;
    void reset();

private:
    struct Expectation {
        DialogKind kind = DialogKind::Message;
        std::string text;  // message text or input prompt
        bool whole = true;
        MsgAnswer answer = MsgAnswer::Ok;
        std::optional<std::string> reply;
        bool pressCustom = false;
        std::string describe() const;
    };
    // Takes the next expectation when it is of `kind` and `matches` the dialog;
    // else records the problem (the dialog described by `what`) and returns nullopt.
    std::optional<Expectation> take(DialogKind kind, const std::string& what,
                                    const std::function<bool(const Expectation&)>& matches);
    std::optional<std::string> input(const std::string& title, const std::string& prompt, const std::string& start);

    std::deque<Expectation> script_;
    std::vector<Shown> shown_;
    std::vector<std::string> problems_;
};

}  // namespace sv::sim
