#include "platform/ui/textview.h"

namespace sv::ui {

TextViewer::TextViewer(Control* parent, std::string name) : Control(parent, std::move(name)) {
    setColor(rgb(255, 255, 255));
}

void TextViewer::setText(std::string text) {
    text_ = std::move(text);
    ++generation_;
    notify(Prop::Content);
}

void TextViewer::appendLine(const std::string& line) {
    // A text that already ends with a line break (a log file read whole) gets
    // no empty line in between.
    if (!text_.empty() && text_.back() != '\n' && text_.back() != '\r') text_ += "\r\n";
    text_ += line;
    notify(Prop::Content);
}

void TextViewer::setWordWrap(bool v) {
    if (wordWrap_ == v) return;
    wordWrap_ = v;
    notify(Prop::Style);
}

void TextViewer::setScrollBars(ScrollBars s) {
    if (scrollBars_ == s) return;
    scrollBars_ = s;
    notify(Prop::Style);
}

}  // namespace sv::ui
