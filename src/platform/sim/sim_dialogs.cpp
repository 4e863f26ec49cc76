#include "platform/sim/sim_dialogs.h"

#include "platform/files.h"
#include "platform/machine.h"
#include "platform/ui/application.h"

namespace sv::sim {
namespace {

const char* answerName(MsgAnswer a) {
    switch (a) {
        case MsgAnswer::Ok: return "Ok";
        case MsgAnswer::Cancel: return "Cancel";
        case MsgAnswer::Yes: return "Yes";
        case MsgAnswer::No: return "No";
    }
    return "?";
}

bool canAnswer(MsgButtons b, MsgAnswer a) {
    switch (b) {
        case MsgButtons::Ok: return a == MsgAnswer::Ok;
        case MsgButtons::OkCancel: return a == MsgAnswer::Ok || a == MsgAnswer::Cancel;
        case MsgButtons::YesNo: return a == MsgAnswer::Yes || a == MsgAnswer::No;
        case MsgButtons::YesNoCancel: return a == MsgAnswer::Yes || a == MsgAnswer::No || a == MsgAnswer::Cancel;
    }
    return false;
}

MsgAnswer firstButton(MsgButtons b) {
    return b == MsgButtons::YesNo || b == MsgButtons::YesNoCancel ? MsgAnswer::Yes : MsgAnswer::Ok;
}

std::string quoted(const std::string& s) { return "\"" + s + "\""; }

std::string describeReply(const std::optional<std::string>& reply) {
    return reply ? "answered " + quoted(*reply) : std::string("cancelled");
}

// The file system of the installed machine, for the checks the real dialogs make
// themselves; none when the dialogs are used without an installed machine.
IFileSystem* installedFiles() {
    try {
        return &machine().files();
    } catch (...) {
        return nullptr;
    }
}

std::string parentOf(const std::string& path) {
    const auto slash = path.find_last_of('\\');
    if (slash == std::string::npos) return {};
    if (slash == 2 && path.size() > 1 && path[1] == ':') return path.substr(0, 3);  // "C:\"
    return path.substr(0, slash);
}

bool isFolder(IFileSystem& fs, const std::string& path) {
    const auto a = fs.attributes(path);
    return a && (*a & attr::Directory);
}

}  // namespace

std::string SimDialogs::Expectation::describe() const {
    switch (kind) {
        case DialogKind::Message:
            return std::string(whole ? "message " : "message containing ") + quoted(text) + " answered " + answerName(answer);
        case DialogKind::Input: return "input box " + quoted(text) + " " + describeReply(reply);
        case DialogKind::OpenFile: return "open-file dialog " + describeReply(reply);
        case DialogKind::Folder: return "folder browser " + describeReply(reply);
        case DialogKind::About:
            return std::string("about box ") + (pressCustom ? "with its custom button pressed" : "closed with OK");
    }
    return "?";
}

std::optional<SimDialogs::Expectation> SimDialogs::take(DialogKind kind, const std::string& what,
                                                        const std::function<bool(const Expectation&)>& matches) {
    if (script_.empty()) {
        problems_.push_back("unexpected " + what);
        return std::nullopt;
    }
    const Expectation& e = script_.front();
    if (e.kind != kind || !matches(e)) {
        problems_.push_back(what + " came instead of the expected " + e.describe());
        return std::nullopt;
    }
    Expectation out = e;
    script_.pop_front();
    return out;
}

MsgAnswer SimDialogs::messageBox(const MessageRequest& request) {
    MsgAnswer answer = firstButton(request.buttons);
    const std::string what = "message box " + quoted(request.text) + " (title " + quoted(request.title) + ")";
    const auto e = take(DialogKind::Message, what, [&](const Expectation& x) {
        return x.whole ? request.text == x.text : request.text.find(x.text) != std::string::npos;
    });
    if (e) {
        if (canAnswer(request.buttons, e->answer)) answer = e->answer;
        else problems_.push_back(what + " has no button for the scripted answer " + answerName(e->answer));
    }
    Shown s;
    s.kind = DialogKind::Message;
    s.request = request;
    s.answer = answer;
    s.title = request.title;
    shown_.push_back(std::move(s));
    return answer;
}

std::optional<std::string> SimDialogs::input(const std::string& title, const std::string& prompt,
                                             const std::string& start) {
    const auto e = take(DialogKind::Input, "input box " + quoted(prompt) + " (title " + quoted(title) + ")",
                        [&](const Expectation& x) { return x.text == prompt; });
    Shown s;
    s.kind = DialogKind::Input;
    s.title = title;
    s.prompt = prompt;
    s.initial = start;
    if (e) s.result = e->reply;
    shown_.push_back(s);
    return s.result;
}

std::string SimDialogs::inputBox(const std::string& title, const std::string& prompt, const std::string& defaultValue) {
    return input(title, prompt, defaultValue).value_or(defaultValue);
}

bool SimDialogs::inputQuery(const std::string& title, const std::string& prompt, std::string& value) {
    auto answer = input(title, prompt, value);
    if (!answer) return false;
    value = std::move(*answer);
    return true;
}

std::optional<std::string> SimDialogs::openFile(const std::string& title, const std::string& filter,
                                                const std::string& initialFolder, bool mustExist) {
    const std::string what = "open-file dialog " + quoted(title);
    const auto e = take(DialogKind::OpenFile, what, [](const Expectation&) { return true; });
    Shown s;
    s.kind = DialogKind::OpenFile;
    s.title = title;
    s.filter = filter;
    s.initial = initialFolder;
    s.mustExist = mustExist;
    if (e) s.result = e->reply;
    if (s.result && mustExist) {
        IFileSystem* fs = installedFiles();
        const auto a = fs ? fs->attributes(*s.result) : std::nullopt;
        if (fs && (!a || (*a & attr::Directory))) {
            problems_.push_back(what + " cannot give " + quoted(*s.result) + ": no such file");
            s.result.reset();
        }
    }
    shown_.push_back(s);
    return s.result;
}

std::optional<std::string> SimDialogs::browseFolder(const std::string& title, const std::string& initialFolder,
                                                    bool allowCreate) {
    const std::string what = "folder browser " + quoted(title);
    const auto e = take(DialogKind::Folder, what, [](const Expectation&) { return true; });
    Shown s;
    s.kind = DialogKind::Folder;
    s.title = title;
    s.initial = initialFolder;
    s.allowCreate = allowCreate;
    if (e) s.result = e->reply;
    if (IFileSystem* fs = installedFiles(); s.result && fs && !isFolder(*fs, *s.result)) {
        const std::string parent = parentOf(*s.result);
        const bool made = allowCreate && !parent.empty() && isFolder(*fs, parent) && fs->createFolder(*s.result);
        if (!made) {
            problems_.push_back(what + " cannot give " + quoted(*s.result) + ": no such folder" +
                                (allowCreate ? "" : " and no new-folder button"));
            s.result.reset();
        }
    }
    shown_.push_back(s);
    return s.result;
}

void SimDialogs::aboutBox(const AboutRequest& request) {
    const auto e = take(DialogKind::About, "about box " + quoted(request.title), [](const Expectation&) { return true; });
    Shown s;
    s.kind = DialogKind::About;
    s.title = request.title;
    s.about = request;
    const bool press = e && e->pressCustom;
    if (press && (request.customButtonCaption.empty() || !request.onCustomButton)) {
        problems_.push_back("about box " + quoted(request.title) + " has no custom button to press");
    } else {
        s.pressedCustomButton = press;
    }
    const bool run = s.pressedCustomButton;
    shown_.push_back(std::move(s));
    // After recording the box, so that whatever the handler shows comes after it.
    if (run) ui::application().dispatch(request.onCustomButton);
}

void SimDialogs::expectMessage(std::string text, MsgAnswer answer) {
    Expectation e;
    e.text = std::move(text);
    e.answer = answer;
    script_.push_back(std::move(e));
}

void SimDialogs::expectMessageContaining(std::string part, MsgAnswer answer) {
    Expectation e;
    e.text = std::move(part);
    e.whole = false;
    e.answer = answer;
    script_.push_back(std::move(e));
}

void SimDialogs::expectInput(std::string prompt, std::optional<std::string> answer) {
    Expectation e;
    e.kind = DialogKind::Input;
    e.text = std::move(prompt);
    e.reply = std::move(answer);
    script_.push_back(std::move(e));
}

void SimDialogs::expectOpenFile(std::optional<std::string> answer) {
    Expectation e;
    e.kind = DialogKind::OpenFile;
    e.reply = std::move(answer);
    script_.push_back(std::move(e));
}

void SimDialogs::expectFolder(std::optional<std::string> answer) {
    Expectation e;
    e.kind = DialogKind::Folder;
    e.reply = std::move(answer);
    script_.push_back(std::move(e));
}

void SimDialogs::expectAbout(bool pressCustomButton) {
    Expectation e;
    e.kind = DialogKind::About;
    e.pressCustom = pressCustomButton;
    script_.push_back(std::move(e));
}

std::vector<std::string> SimDialogs::unusedExpectations() const {
    std::vector<std::string> out;
    for (const auto& e : script_) out.push_back(e.describe());
    return out;
}

std::string SimDialogs::report() const {
    std::string out;
    for (const auto& p : problems_) out += p + "\n";
    for (const auto& e : script_) out += "expected but never shown: " + e.describe() + "\n";
    return out;
}

void SimDialogs::reset() {
    script_.clear();
    shown_.clear();
    problems_.clear();
}

}  // namespace sv::sim
