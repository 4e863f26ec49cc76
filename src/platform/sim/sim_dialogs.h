// The simulated dialogs: every prompt is recorded and answered from the test's script.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/dialogs.h"

namespace sv::sim {

class SimDialogs : public IDialogs {
public:
    struct Shown {
        MessageRequest request;
        MsgAnswer answer = MsgAnswer::Ok;
    };

    // Answers from the front of the script. A box that does not match the next
    // expectation (or comes when none is left) is recorded in problems() and answered
    // with its first button (Ok or Yes); the expectation stays for the next box. An
    // expected answer the box's buttons cannot give is a problem too.
    MsgAnswer messageBox(const MessageRequest& request) override;

    // --- test script ---
    void expectMessage(std::string text, MsgAnswer answer);           // the whole text
    void expectMessageContaining(std::string part, MsgAnswer answer); // a part of it
    const std::vector<Shown>& shown() const { return shown_; }
    const std::vector<std::string>& problems() const { return problems_; }
    // The expectations no box used, described for a failure message.
    std::vector<std::string> unusedExpectations() const;
    // Empty when the script was followed exactly; else all problems and leftovers, one a line.
    std::string report() const;
    void reset();

private:
    struct Expectation {
        std::string text;
        bool whole = true;
        MsgAnswer answer;
        std::string describe() const;
    };
    std::deque<Expectation> script_;
    std::vector<Shown> shown_;
    std::vector<std::string> problems_;
};

}  // namespace sv::sim
