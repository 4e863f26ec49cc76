#include "common/treescan.h"

#include <algorithm>

#include "platform/files.h"
#include "platform/machine.h"
#include "platform/ui/application.h"

namespace sv {
namespace {

unsigned char folded(char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u >= 'a' && u <= 'z') ? static_cast<unsigned char>(u - 'a' + 'A') : u;
}

// Names are compared without regard to case, as the file system matches them.
int compareNoCase(const std::string& a, const std::string& b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const unsigned char x = folded(a[i]), y = folded(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

bool lessNoCase(const std::string& a, const std::string& b) { return compareNoCase(a, b) < 0; }

bool isSeparator(char c) { return static_cast<unsigned char>(c) <= ' '; }

// A quoted item: "" inside stands for one quote; an unclosed quote runs to the end.
std::string readQuoted(const std::string& text, size_t& i) {
    std::string item;
    ++i;
    while (i < text.size()) {
        if (text[i] == '"') {
            if (i + 1 < text.size() && text[i + 1] == '"') {
                item += '"';
                i += 2;
                continue;
            }
            ++i;
            break;
        }
        item += text[i++];
    }
    return item;
}

bool needsQuotes(const std::string& item) {
    return std::any_of(item.begin(), item.end(), [](char c) { return isSeparator(c) || c == ',' || c == '"'; });
}

std::string quoted(const std::string& item) {
    std::string out = "\"";
    for (char c : item) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + '"';
}

constexpr uint32_t kVolumeLabel = 0x8;

// The folder search's own pattern: a mask that finds exactly what it finds.
bool matchesEverything(const std::string& mask) { return mask == "*.*" || mask == "*"; }

}  // namespace

void TTreeScanner::addMask(const std::string& mask) {
    auto at = std::lower_bound(masks_.begin(), masks_.end(), mask, lessNoCase);
    if (at != masks_.end() && compareNoCase(*at, mask) == 0) return;
    masks_.insert(at, mask);
}

void TTreeScanner::setFileMask(const std::string& mask) {
    if (searchInProgress_) return;
    masks_.clear();
    addMask(mask);
}

void TTreeScanner::setFileMaskCommaText(const std::string& text) {
    if (searchInProgress_) return;
    masks_.clear();
    size_t i = 0;
    auto skipBlanks = [&] {
        while (i < text.size() && isSeparator(text[i])) ++i;
    };
    skipBlanks();
    while (i < text.size()) {
        if (text[i] == '"') {
            addMask(readQuoted(text, i));
        } else {
            const size_t start = i;
            while (i < text.size() && !isSeparator(text[i]) && text[i] != ',') ++i;
            addMask(text.substr(start, i - start));
        }
        skipBlanks();
        if (i < text.size() && text[i] == ',') {
            // A comma at the very end stands for one more, empty, item.
            if (i + 1 == text.size()) addMask("");
            ++i;
            skipBlanks();
        }
    }
}

std::string TTreeScanner::fileMaskCommaText() const {
    // A lone empty item must still read back as one item.
    if (masks_.size() == 1 && masks_.front().empty()) return "\"\"";
    std::string out;
    for (size_t i = 0; i < masks_.size(); ++i) {
        if (i > 0) out += ',';
        out += needsQuotes(masks_[i]) ? quoted(masks_[i]) : masks_[i];
    }
    return out;
}

void TTreeScanner::execute() {
    searchInProgress_ = true;
    fileFound_.clear();
    fileSize_ = 0;
    if (initialDirectory_.empty()) initialDirectory_ = machine().files().currentFolder();
    if (initialDirectory_.empty() || initialDirectory_.back() != '\\') initialDirectory_ += '\\';
    continueScan = true;
    walk(initialDirectory_);
    searchInProgress_ = false;
    fire(onSearchDone, *this);
}

void TTreeScanner::walk(const std::string& folder) {
    ui::application().processMessages();
    if (!continueScan) return;
    fileSize_ = 0;
    fileFound_ = folder;
    fire(onDirectoryFound, *this);

    // Both lists live only while this folder is walked, so memory follows the
    // depth of the tree and the size of single folders, not the whole tree.
    std::vector<std::string> folders;
    std::vector<FoundFile> files;
    collectFolders(folder, folders, files);
    collectFiles(folder, files);

    // Every collected file is reported even when the walk was stopped meanwhile.
    for (const auto& f : files) {
        fileFound_.assign(folder).append(f.name);
        fileSize_ = f.size;
        fire(onFileFound, *this);
    }
    fileSize_ = 0;

    for (const auto& name : folders) {
        if (recursive) {
            walk(folder + name);
        } else {
            fileFound_.assign(folder).append(name);
            fire(onDirectoryFound, *this);
        }
    }
    fire(onDirectoryDone, *this);
}

void TTreeScanner::collectFolders(const std::string& folder, std::vector<std::string>& names,
                                  std::vector<FoundFile>& files) {
    // When a mask finds everything, this one search also serves as that mask's:
    // each search costs a trip to the system, and under Wine far more than the
    // entries it returns.
    const bool alsoFiles = std::any_of(masks_.begin(), masks_.end(), matchesEverything);
    FindData d;
    auto search = machine().files().findFirstFast(folder + "*.*", d);
    if (!search) return;
    do {
        if (!d.isDirectory()) {
            if (alsoFiles) keepFile(d, files);
            continue;
        }
        if (d.name == "." || d.name == "..") continue;
        if (d.attributes & attr::System) continue;
        if ((d.attributes & attr::Hidden) && !findHiddenFolders) continue;
        // A junction, symbolic link or mount point leads elsewhere: to a parent
        // (an endless walk), to files already walked, or to another volume whose
        // files a clean-up must not touch through this tree.
        if (d.attributes & attr::ReparsePoint) continue;
        names.push_back(d.name + '\\');  // kept with the backslash, which takes part in the order
    } while (search->next(d));
    std::sort(names.begin(), names.end(), lessNoCase);
}

void TTreeScanner::keepFile(const FindData& d, std::vector<FoundFile>& files) const {
    if (d.attributes & (attr::Directory | kVolumeLabel)) return;
    if ((d.attributes & attr::Hidden) && !findHiddenFiles) return;
    files.push_back({d.name, static_cast<int64_t>(d.size)});
}

void TTreeScanner::collectFiles(const std::string& folder, std::vector<FoundFile>& files) {
    FindData d;
    std::string pattern;
    for (const auto& mask : masks_) {
        if (matchesEverything(mask)) continue;  // answered by the folder search
        pattern.assign(folder).append(mask);
        auto search = machine().files().findFirstFast(pattern, d);
        if (!search) continue;
        do keepFile(d, files);
        while (search->next(d));
    }
    // One list for all masks: a file that two masks match is reported once.
    std::stable_sort(files.begin(), files.end(),
                     [](const FoundFile& a, const FoundFile& b) { return lessNoCase(a.name, b.name); });
    files.erase(std::unique(files.begin(), files.end(),
                            [](const FoundFile& a, const FoundFile& b) { return compareNoCase(a.name, b.name) == 0; }),
                files.end());
}

}  // namespace sv
