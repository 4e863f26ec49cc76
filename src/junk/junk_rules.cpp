#include "junk/junk_rules.h"

#include <cmath>

#include "common/filefunc.h"
#include "common/formats.h"
#include "platform/machine.h"
#include "platform/types.h"

namespace sv::junk {

const std::vector<FileType>& DefaultFileTypes() {
    static const std::vector<FileType> types{
        {"*.~*", "Temporary Files"},
        {"~*.*", "Temporary Files"},
        {"*.??~", "Temporary Files"},
        {"*.---", "Temporary Files"},
        {"*.tmp", "Temporary Files"},
        {"*._mp", "Temporary Files"},
        {"*.old", "Temporary backup files"},
        {"*.bak", "Temporary backup files"},
        {"*.syd", "Temporary backup files"},
        {"*.chk", "Saved disk error data from scandisk"},
        {"*.gid", "Temporary help file search data"},
        {"mscreate.dir", "Temporary directory information"},
        {"0???????.nch", "Temporary cached newsgroup data"},
    };
    return types;
}

std::string ScanForText(const std::vector<FileType>& types) {
    std::string out;
    for (const FileType& t : types) out += t.mask + "," + (t.checked ? "1" : "0") + ",";
    return out;
}

std::string ScanDescText(const std::vector<FileType>& types) {
    std::string out;
    for (const FileType& t : types) out += t.description + "," + (t.checked ? "1" : "0") + ",";
    return out;
}

std::string DefaultScanFor() { return ScanForText(DefaultFileTypes()); }
std::string DefaultScanDesc() { return ScanDescText(DefaultFileTypes()); }

namespace {

// Takes the text before the next comma and drops it with its comma (the rest
// of the text when there is no comma).
std::string takeField(std::string& text) {
    const auto comma = text.find(',');
    std::string field = text.substr(0, comma);
    text = comma == std::string::npos ? std::string() : text.substr(comma + 1);
    return field;
}

}  // namespace

std::vector<FileType> ParseScanFor(const std::string& scanFor) {
    std::vector<FileType> types;
    std::string rest = scanFor;
    while (!rest.empty()) {
        FileType t;
        t.mask = takeField(rest);
        t.checked = !rest.empty() && rest[0] == '1';
        takeField(rest);
        types.push_back(std::move(t));
    }
    return types;
}

void ApplyScanDesc(std::vector<FileType>& types, const std::string& scanDesc) {
    std::string rest = scanDesc;
    for (size_t i = 0; !rest.empty(); ++i) {
        std::string description = takeField(rest);
        takeField(rest);  // the stored check mark: "ScanFor" holds the one that counts
        if (i < types.size()) types[i].description = std::move(description);
    }
}

int AgeDays(const std::string& field) {
    std::string digits;
    for (char c : field)
        if (c != ' ') digits += c;
    if (digits.empty() || digits.size() > 9) return 0;
    for (char c : digits)
        if (c < '0' || c > '9') return 0;
    return std::stoi(digits);
}

bool RestrictedFile(const std::string& path, const SkipOptions& options) {
    if (options.skipReadOnlyAndSystem) {
        const auto a = machine().files().attributes(path);
        if (a && (*a & (attr::ReadOnly | attr::System))) return true;
    }
    if (options.ageTest) {
        const int days = AgeDays(options.days);
        const double accessed = GetLastAccessDate(path);
        const double today = std::floor(systemTimeToOleDate(localNow(machine().system())));
        if (days > today - accessed) return true;
    }
    if (options.skipInUse && IsFileLocked(path)) return true;
    return false;
}

std::string FoundTotalText(int64_t bytes, int files) {
    return FormatBytes(bytes) + " bytes (" + FormatMegabytes(bytes) + " megabytes) found in " + std::to_string(files) +
           " files.";
}

}  // namespace sv::junk
