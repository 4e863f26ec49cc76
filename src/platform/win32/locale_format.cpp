#include "platform/win32/locale_format.h"

#include <cctype>

namespace sv::win32 {
namespace {

enum class Kind { Date, Time };

std::string letters(char letter, size_t count, Kind kind) {
    if (kind == Kind::Date) {
        switch (letter) {
            case 'd': return std::string(count > 4 ? 4 : count, 'd');
            case 'M': return std::string(count > 4 ? 4 : count, 'm');
            case 'y': return count <= 2 ? "yy" : "yyyy";
            case 'g': return count == 1 ? "g" : "gg";
        }
    } else {
        switch (letter) {
            case 'h':
            case 'H': return count == 1 ? "h" : "hh";
            case 'm': return count == 1 ? "n" : "nn";
            case 's': return count == 1 ? "s" : "ss";
            case 't': return "AMPM";
        }
    }
    return {};
}

bool isPatternLetter(char c, Kind kind) {
    return kind == Kind::Date ? (c == 'd' || c == 'M' || c == 'y' || c == 'g')
                              : (c == 'h' || c == 'H' || c == 'm' || c == 's' || c == 't');
}

std::string convert(const std::string& picture, const std::string& separator, char placeholder, Kind kind) {
    std::string out, literal;
    auto flushLiteral = [&] {
        if (literal.empty()) return;
        const char quote = literal.find('"') == std::string::npos ? '"' : '\'';
        out += quote;
        out += literal;
        out += quote;
        literal.clear();
    };
    size_t i = 0;
    while (i < picture.size()) {
        const char c = picture[i];
        if (c == '\'') {
            // 'text' is literal; '' inside or outside quotes is one apostrophe.
            ++i;
            while (i < picture.size()) {
                if (picture[i] == '\'') {
                    if (i + 1 < picture.size() && picture[i + 1] == '\'') {
                        literal += '\'';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                literal += picture[i++];
            }
            continue;
        }
        if (!separator.empty() && picture.compare(i, separator.size(), separator) == 0) {
            flushLiteral();
            out += placeholder;
            i += separator.size();
            continue;
        }
        if (isPatternLetter(c, kind)) {
            size_t n = 1;
            while (i + n < picture.size() && picture[i + n] == c) ++n;
            flushLiteral();
            out += letters(c, n, kind);
            i += n;
            continue;
        }
        if (std::isalpha(static_cast<unsigned char>(c)) || c == '"' || c == '/' || c == ':') {
            literal += c;  // would otherwise be read as a pattern letter or separator
        } else {
            flushLiteral();
            out += c;
        }
        ++i;
    }
    flushLiteral();
    return out;
}

}  // namespace

std::string shortDateFromPicture(const std::string& picture, const std::string& dateSeparator) {
    return convert(picture, dateSeparator, '/', Kind::Date);
}

std::string longTimeFromPicture(const std::string& picture, const std::string& timeSeparator) {
    return convert(picture, timeSeparator, ':', Kind::Time);
}

char separatorChar(const std::string& utf8, char fallback) {
    if (utf8.size() == 1 && static_cast<unsigned char>(utf8[0]) < 0x80) return utf8[0];
    if (utf8 == "\xC2\xA0" || utf8 == "\xE2\x80\xAF" || utf8 == "\xE2\x80\x89") return ' ';
    return fallback;
}

}  // namespace sv::win32
