#include "common/text.h"

namespace sv {
namespace {
char up(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
char down(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
}  // namespace

std::string upperAscii(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = up(c);
    return out;
}

std::string lowerAscii(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = down(c);
    return out;
}

bool equalsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (up(a[i]) != up(b[i])) return false;
    return true;
}

bool startsWithNoCase(std::string_view s, std::string_view prefix) {
    return s.size() >= prefix.size() && equalsNoCase(s.substr(0, prefix.size()), prefix);
}

bool endsWithNoCase(std::string_view s, std::string_view suffix) {
    return s.size() >= suffix.size() && equalsNoCase(s.substr(s.size() - suffix.size()), suffix);
}

std::string withBackslash(std::string_view path) {
    std::string out(path);
    if (!out.empty() && out.back() != '\\') out += '\\';
    return out;
}

std::string withoutBackslash(std::string_view path) {
    std::string out(path);
    while (!out.empty() && out.back() == '\\') out.pop_back();
    return out;
}

}  // namespace sv
