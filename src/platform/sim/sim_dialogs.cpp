#include "platform/sim/sim_dialogs.h"

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

std::string describeBox(const MessageRequest& r) { return "\"" + r.text + "\" (title \"" + r.title + "\")"; }

}  // namespace

std::string SimDialogs::Expectation::describe() const {
    return std::string(whole ? "message " : "message containing ") + "\"" + text + "\" answered " + answerName(answer);
}

MsgAnswer SimDialogs::messageBox(const MessageRequest& request) {
    MsgAnswer answer = firstButton(request.buttons);
    if (script_.empty()) {
        problems_.push_back("unexpected message box " + describeBox(request));
    } else {
        const Expectation& e = script_.front();
        const bool match = e.whole ? request.text == e.text : request.text.find(e.text) != std::string::npos;
        if (!match) {
            problems_.push_back("message box " + describeBox(request) + " came instead of the expected " + e.describe());
        } else if (!canAnswer(request.buttons, e.answer)) {
            problems_.push_back("message box " + describeBox(request) + " has no button for the scripted answer " +
                                answerName(e.answer));
            script_.pop_front();
        } else {
            answer = e.answer;
            script_.pop_front();
        }
    }
    shown_.push_back({request, answer});
    return answer;
}

void SimDialogs::expectMessage(std::string text, MsgAnswer answer) { script_.push_back({std::move(text), true, answer}); }

void SimDialogs::expectMessageContaining(std::string part, MsgAnswer answer) {
    script_.push_back({std::move(part), false, answer});
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
