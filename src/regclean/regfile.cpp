#include "regclean/regfile.h"

#include <cstdint>
#include <optional>

#include "regclean/regrefs.h"

namespace sv::regclean {
namespace {

constexpr const char* kHeader5 = "Windows Registry Editor Version 5.00";
constexpr const char* kHeader4 = "REGEDIT4";
// The editor keeps hex lines within 80 columns, continuing them with a backslash
// once a line has reached 77.
constexpr size_t kHexLineLimit = 77;

std::optional<uint32_t> decodeUtf8(const std::string& s, size_t& i) {
    const auto c = static_cast<unsigned char>(s[i]);
    int len = 0;
    uint32_t cp = 0;
    if (c < 0x80) { cp = c; len = 1; }
    else if ((c & 0xE0) == 0xC0) { cp = c & 0x1F; len = 2; }
    else if ((c & 0xF0) == 0xE0) { cp = c & 0x0F; len = 3; }
    else if ((c & 0xF8) == 0xF0) { cp = c & 0x07; len = 4; }
    else { ++i; return std::nullopt; }
    if (i + static_cast<size_t>(len) > s.size()) { i = s.size(); return std::nullopt; }
    for (int k = 1; k < len; ++k) {
        const auto b = static_cast<unsigned char>(s[i + static_cast<size_t>(k)]);
        if ((b & 0xC0) != 0x80) { i += static_cast<size_t>(k); return std::nullopt; }
        cp = (cp << 6) | (b & 0x3F);
    }
    i += static_cast<size_t>(len);
    return cp;
}

void appendUnit(uint16_t u, std::string& out) {
    out += static_cast<char>(u & 0xFF);
    out += static_cast<char>(u >> 8);
}

std::string escapeQuoted(const std::string& s) {
    std::string out;
    for (char c : s) {
        if (c == '\\' || c == '"') out += '\\';
        out += c;
    }
    return out;
}

const char* hexDigits = "0123456789abcdef";

std::string hexData(const std::string& head, const std::string& bytes) {
    std::string out = head;
    size_t column = out.size();
    for (size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        out += hexDigits[b >> 4];
        out += hexDigits[b & 0xF];
        column += 2;
        if (i + 1 == bytes.size()) break;
        out += ',';
        ++column;
        if (column >= kHexLineLimit) {
            out += "\\\r\n  ";
            column = 2;
        }
    }
    return out;
}

std::string typeTag(RegType type) {
    switch (type) {
        case RegType::Binary: return "hex:";
        default: break;
    }
    std::string n;
    auto v = static_cast<uint32_t>(type);
    do {
        n.insert(n.begin(), hexDigits[v & 0xF]);
        v >>= 4;
    } while (v);
    return "hex(" + n + "):";
}

std::string valueLine(const RegFileValue& v) {
    std::string head = "@=";
    if (!v.name.empty()) head = std::string(1, '"').append(escapeQuoted(v.name)).append("\"=");
    const RegValue& value = v.value;
    switch (value.type) {
        case RegType::Sz:
            // Line breaks have no escape the editor understands: such text goes as bytes.
            if (value.data.find_first_of(std::string("\r\n\0", 3)) == std::string::npos)
                return head + "\"" + escapeQuoted(value.data) + "\"";
            return hexData(head + typeTag(value.type), Utf8ToUtf16Le(value.data) + std::string(2, '\0'));
        case RegType::ExpandSz:
        case RegType::MultiSz:
            // A string list's data already ends each string with its zero; one more
            // ends the list.
            return hexData(head + typeTag(value.type), Utf8ToUtf16Le(value.data) + std::string(2, '\0'));
        case RegType::Dword:
            if (value.data.size() == 4) {
                std::string n(8, '0');
                auto number = static_cast<uint32_t>(value.number());
                for (int i = 7; i >= 0; --i, number >>= 4) n[static_cast<size_t>(i)] = hexDigits[number & 0xF];
                return head + "dword:" + n;
            }
            break;
        default:
            break;
    }
    return hexData(head + typeTag(value.type), value.data);
}

// --- reading ------------------------------------------------------------------------------

[[noreturn]] void fail(size_t line, const std::string& what) {
    throw RegFileError("Line " + std::to_string(line) + ": " + what);
}

bool hasUtf16Mark(const std::string& bytes) {
    return bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
           static_cast<unsigned char>(bytes[1]) == 0xFE;
}

std::string decodeText(const std::string& bytes) {
    if (hasUtf16Mark(bytes)) return Utf16LeToUtf8(bytes.substr(2));
    if (bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) return bytes.substr(3);
    return bytes;
}

// A quoted text starting at `pos` (on the opening quote); leaves `pos` after the closing one.
std::string readQuoted(const std::string& s, size_t& pos, size_t line) {
    std::string out;
    ++pos;
    while (pos < s.size()) {
        const char c = s[pos++];
        if (c == '"') return out;
        if (c != '\\') {
            out += c;
            continue;
        }
        if (pos >= s.size()) break;
        const char e = s[pos++];
        if (e == '\\' || e == '"') out += e;
        else if (e == 'n') out += '\n';
        else if (e == 'r') out += '\r';
        else if (e == '0') out += '\0';
        else fail(line, "unknown escape \\" + std::string(1, e));
    }
    fail(line, "a quoted text does not end");
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string readHexBytes(const std::string& s, size_t pos, size_t line) {
    std::string out;
    while (pos < s.size()) {
        while (pos < s.size() && (s[pos] == ' ' || s[pos] == '\t')) ++pos;
        if (pos >= s.size()) break;
        if (pos + 1 >= s.size() || hexValue(s[pos]) < 0 || hexValue(s[pos + 1]) < 0) fail(line, "bad hex byte");
        out += static_cast<char>(hexValue(s[pos]) * 16 + hexValue(s[pos + 1]));
        pos += 2;
        while (pos < s.size() && (s[pos] == ' ' || s[pos] == '\t')) ++pos;
        if (pos < s.size()) {
            if (s[pos] != ',') fail(line, "bad hex list");
            ++pos;
        }
    }
    return out;
}

// Text data kept as UTF-16 bytes: up to the first zero, as the registry reads it.
std::string textFromBytes(const std::string& bytes) {
    std::string units = bytes;
    for (size_t i = 0; i + 1 < units.size(); i += 2)
        if (units[i] == '\0' && units[i + 1] == '\0') return Utf16LeToUtf8(units.substr(0, i));
    return Utf16LeToUtf8(units);
}

// A string list: each string followed by a zero byte, up to the empty string that
// ends it (a last string without its zero still counts).
std::string listFromBytes(const std::string& bytes) {
    std::string out;
    const size_t n = bytes.size() & ~static_cast<size_t>(1);
    size_t start = 0;
    for (size_t i = 0; i <= n; i += 2) {
        const bool atEnd = i == n;
        if (!atEnd && (bytes[i] != '\0' || bytes[i + 1] != '\0')) continue;
        if (i == start) break;
        out += Utf16LeToUtf8(bytes.substr(start, i - start));
        out += '\0';
        start = i + 2;
        if (atEnd) break;
    }
    return out;
}

RegValue dataValue(const std::string& data, size_t line, bool unicodeFile) {
    if (!data.empty() && data[0] == '"') {
        size_t pos = 0;
        std::string text = readQuoted(data, pos, line);
        if (data.find_first_not_of(" \t", pos) != std::string::npos) fail(line, "text after the closing quote");
        return RegValue{RegType::Sz, std::move(text)};
    }
    if (data.rfind("dword:", 0) == 0) {
        const std::string digits = data.substr(6);
        if (digits.empty() || digits.size() > 8) fail(line, "bad dword");
        uint32_t v = 0;
        for (char c : digits) {
            if (hexValue(c) < 0) fail(line, "bad dword");
            v = v * 16 + static_cast<uint32_t>(hexValue(c));
        }
        return RegValue::dword(v);
    }
    RegType type;
    size_t start;
    if (data.rfind("hex:", 0) == 0) {
        type = RegType::Binary;
        start = 4;
    } else if (data.rfind("hex(", 0) == 0) {
        const auto close = data.find("):", 4);
        if (close == std::string::npos || close == 4 || close > 12) fail(line, "bad value type");
        uint32_t t = 0;
        for (size_t i = 4; i < close; ++i) {
            if (hexValue(data[i]) < 0) fail(line, "bad value type");
            t = t * 16 + static_cast<uint32_t>(hexValue(data[i]));
        }
        type = static_cast<RegType>(t);
        start = close + 2;
    } else {
        fail(line, "unsupported value data");
    }
    std::string bytes = readHexBytes(data, start, line);
    if (type == RegType::Sz || type == RegType::ExpandSz) {
        // REGEDIT4 files hold these strings in the ANSI code page, one byte a character.
        if (!unicodeFile) {
            std::string units;
            for (char c : bytes) appendUnit(static_cast<unsigned char>(c), units);
            bytes = units;
        }
        return RegValue{type, textFromBytes(bytes)};
    }
    if (type == RegType::MultiSz) {
        if (!unicodeFile) {
            std::string units;
            for (char c : bytes) appendUnit(static_cast<unsigned char>(c), units);
            bytes = units;
        }
        return RegValue{type, listFromBytes(bytes)};
    }
    return RegValue{type, std::move(bytes)};
}

}  // namespace

std::string Utf8ToUtf16Le(const std::string& utf8) {
    std::string out;
    out.reserve(utf8.size() * 2);
    size_t i = 0;
    while (i < utf8.size()) {
        const uint32_t cp = decodeUtf8(utf8, i).value_or(0xFFFD);
        if (cp >= 0x10000) {
            appendUnit(static_cast<uint16_t>(0xD800 + ((cp - 0x10000) >> 10)), out);
            appendUnit(static_cast<uint16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF)), out);
        } else {
            appendUnit(static_cast<uint16_t>(cp), out);
        }
    }
    return out;
}

std::string Utf16LeToUtf8(const std::string& bytes) {
    std::string out;
    out.reserve(bytes.size() / 2);
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        uint32_t u = static_cast<unsigned char>(bytes[i]) | (static_cast<unsigned char>(bytes[i + 1]) << 8);
        if (u >= 0xD800 && u < 0xDC00 && i + 3 < bytes.size()) {
            const uint32_t lo =
                static_cast<unsigned char>(bytes[i + 2]) | (static_cast<unsigned char>(bytes[i + 3]) << 8);
            if (lo >= 0xDC00 && lo < 0xE000) {
                u = 0x10000 + ((u - 0xD800) << 10) + (lo - 0xDC00);
                i += 2;
            }
        }
        appendUtf8(u, out);
    }
    return out;
}

std::string WriteRegFile(const std::vector<RegFileValue>& values) {
    std::string text = std::string(kHeader5) + "\r\n";
    const RegFileValue* previous = nullptr;
    for (const RegFileValue& v : values) {
        const bool sameKey = previous && previous->root == v.root &&
                             normalizeKeyPath(previous->keyPath) == normalizeKeyPath(v.keyPath);
        if (!sameKey) {
            const std::string path = normalizeKeyPath(v.keyPath);
            text += "\r\n[" + RootName(v.root) + (path.empty() ? "" : "\\" + path) + "]\r\n";
        }
        text += valueLine(v) + "\r\n";
        previous = &v;
    }
    text += "\r\n";
    return "\xFF\xFE" + Utf8ToUtf16Le(text);
}

std::vector<RegFileValue> ReadRegFile(const std::string& bytes) {
    const bool unicode = hasUtf16Mark(bytes);
    const std::string text = decodeText(bytes);

    // Lines, with hex continuations ("...,\" then an indented line) joined.
    struct Line {
        size_t number;
        std::string text;
    };
    std::vector<Line> lines;
    size_t number = 0;
    bool continuing = false;
    for (size_t pos = 0; pos <= text.size();) {
        size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        std::string l = text.substr(pos, end - pos);
        pos = end + 1;
        ++number;
        if (!l.empty() && l.back() == '\r') l.pop_back();
        if (continuing) {
            lines.back().text += l.substr(std::min(l.find_first_not_of(" \t"), l.size()));
        } else {
            lines.push_back({number, l});
        }
        std::string& last = lines.back().text;
        const auto tail = last.find_last_not_of(" \t");
        continuing = tail != std::string::npos && last[tail] == '\\' && last.find("=hex") != std::string::npos;
        if (continuing) last.erase(tail);
        if (end == text.size()) break;
    }

    std::vector<RegFileValue> out;
    bool headerSeen = false;
    std::optional<RegRoot> root;
    std::string keyPath;
    for (const Line& line : lines) {
        const std::string& l = line.text;
        const auto first = l.find_first_not_of(" \t");
        if (first == std::string::npos || l[first] == ';') continue;
        if (!headerSeen) {
            if (l != kHeader5 && l != kHeader4) fail(line.number, "not a registration file");
            headerSeen = true;
            continue;
        }
        if (l[first] == '[') {
            const auto close = l.find_last_of(']');
            if (close == std::string::npos || close < first) fail(line.number, "a key name does not end");
            const std::string full = l.substr(first + 1, close - first - 1);
            if (!full.empty() && full[0] == '-') fail(line.number, "key deletion is not supported");
            const auto slash = full.find('\\');
            root = RootFromName(full.substr(0, slash));
            if (!root) fail(line.number, "unknown root key");
            keyPath = slash == std::string::npos ? std::string() : full.substr(slash + 1);
            continue;
        }
        if (!root) fail(line.number, "a value outside any key");
        RegFileValue v;
        v.root = *root;
        v.keyPath = keyPath;
        size_t pos = first;
        if (l[pos] == '@') {
            ++pos;
        } else if (l[pos] == '"') {
            v.name = readQuoted(l, pos, line.number);
        } else {
            fail(line.number, "unexpected text");
        }
        while (pos < l.size() && (l[pos] == ' ' || l[pos] == '\t')) ++pos;
        if (pos >= l.size() || l[pos] != '=') fail(line.number, "'=' missing");
        ++pos;
        while (pos < l.size() && (l[pos] == ' ' || l[pos] == '\t')) ++pos;
        const std::string data = l.substr(pos);
        if (data == "-") fail(line.number, "value deletion is not supported");
        v.value = dataValue(data, line.number, unicode);
        out.push_back(std::move(v));
    }
    if (!headerSeen) throw RegFileError("The file is empty.");
    return out;
}

}  // namespace sv::regclean
