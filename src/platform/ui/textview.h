// A read-only text the user can scroll (hints, logs, reports). The Win32 peer
// draws only the lines on screen, so a log of many thousands of lines is set
// at once.
#pragma once

#include <cstdint>
#include <string>

#include "platform/ui/control.h"
#include "platform/ui/edits.h"  // ScrollBars

namespace sv::ui {

class TextViewer : public Control {
public:
    // White, like any text the user reads, unless a colour is set.
    TextViewer(Control* parent, std::string name);
    const char* kind() const override { return "textviewer"; }

    // Lines are separated by CR LF (a lone CR or LF also breaks a line on screen).
    const std::string& text() const { return text_; }
    void setText(std::string text);
    void clear() { setText({}); }
    // Adds a line at the end (after a line break when the text is not empty) and
    // scrolls it into view; only the new line goes to the window, so a long log
    // grows cheaply.
    void appendLine(const std::string& line);

    bool wordWrap() const { return wordWrap_; }
    void setWordWrap(bool v);
    ScrollBars scrollBars() const { return scrollBars_; }
    void setScrollBars(ScrollBars s);

    // Backend side: changes each time the whole text is replaced (not on
    // appendLine), so that a peer can tell an append from a new text.
    uint64_t textGeneration() const { return generation_; }

private:
    std::string text_;
    uint64_t generation_ = 0;
    bool wordWrap_ = false;
    ScrollBars scrollBars_ = ScrollBars::Vertical;
};

}  // namespace sv::ui
