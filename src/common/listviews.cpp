#include "common/listviews.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <vector>

#include "common/formats.h"
#include "common/text.h"
#include "platform/machine.h"

namespace sv {
namespace {

int sign(int64_t v) { return v < 0 ? -1 : v > 0 ? 1 : 0; }

int compareNoCase(const std::string& a, const std::string& b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const int ca = std::toupper(static_cast<unsigned char>(a[i]));
        const int cb = std::toupper(static_cast<unsigned char>(b[i]));
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

// A whole decimal number, optionally signed, with nothing else around it.
std::optional<int64_t> parseInteger(const std::string& text) {
    if (text.empty()) return std::nullopt;
    char* end = nullptr;
    errno = 0;
    const long long v = std::strtoll(text.c_str(), &end, 10);
    if (errno != 0 || end != text.c_str() + text.size() || std::isspace(static_cast<unsigned char>(text[0])))
        return std::nullopt;
    return v;
}

std::vector<int> numbersIn(const std::string& text, size_t& pos, size_t end) {
    std::vector<int> out;
    while (pos < end) {
        if (!std::isdigit(static_cast<unsigned char>(text[pos]))) {
            ++pos;
            continue;
        }
        int v = 0, digits = 0;
        while (pos < end && std::isdigit(static_cast<unsigned char>(text[pos])) && digits < 9) {
            v = v * 10 + (text[pos++] - '0');
            ++digits;
        }
        out.push_back(v);
    }
    return out;
}

// Reads a date and time written in the process's short date and long time
// formats: the date's fields in the order its format gives them, separated by
// anything that is not a digit, then an optional time (hours, minutes, seconds,
// with "am"/"pm"). Nullopt when the text is no such date.
std::optional<double> parseDateTime(const std::string& text) {
    const std::string shortDate = lowerAscii(ProcessDateTimeFormats().shortDate);
    const size_t y = shortDate.find('y'), m = shortDate.find('m'), d = shortDate.find('d');
    if (y == std::string::npos || m == std::string::npos || d == std::string::npos) return std::nullopt;
    const std::string t = lowerAscii(text);
    const size_t blank = t.find(' ');
    const size_t dateEnd = blank == std::string::npos ? t.size() : blank;
    for (size_t i = 0; i < dateEnd; ++i)
        if (std::isalpha(static_cast<unsigned char>(t[i]))) return std::nullopt;
    size_t pos = 0;
    const std::vector<int> date = numbersIn(t, pos, dateEnd);
    if (date.size() != 3) return std::nullopt;
    std::vector<std::pair<size_t, char>> order{{y, 'y'}, {m, 'm'}, {d, 'd'}};
    std::sort(order.begin(), order.end());
    SystemTime st;
    for (int i = 0; i < 3; ++i) {
        const int v = date[static_cast<size_t>(i)];
        if (order[static_cast<size_t>(i)].second == 'y') st.year = v < 100 ? 2000 + v : v;
        else if (order[static_cast<size_t>(i)].second == 'm') st.month = v;
        else st.day = v;
    }
    static constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (st.year < 1 || st.year > 9999 || st.month < 1 || st.month > 12 || st.day < 1 || st.day > kDays[st.month - 1])
        return std::nullopt;
    if (st.month == 2 && st.day == 29 && !(st.year % 4 == 0 && (st.year % 100 != 0 || st.year % 400 == 0)))
        return std::nullopt;
    if (blank != std::string::npos) {
        std::string rest = t.substr(blank + 1);
        bool pm = false, am = false;
        for (const char* suffix : {"am", "pm", "a", "p"}) {
            const size_t at = rest.rfind(suffix);
            if (at != std::string::npos && at + std::char_traits<char>::length(suffix) == rest.size()) {
                (suffix[0] == 'p' ? pm : am) = true;
                rest.erase(at);
                break;
            }
        }
        for (char c : rest)
            if (std::isalpha(static_cast<unsigned char>(c))) return std::nullopt;
        size_t p = 0;
        const std::vector<int> time = numbersIn(rest, p, rest.size());
        if (time.empty() || time.size() > 3) return std::nullopt;
        st.hour = time[0];
        st.minute = time.size() > 1 ? time[1] : 0;
        st.second = time.size() > 2 ? time[2] : 0;
        if (am || pm) {
            if (st.hour < 1 || st.hour > 12) return std::nullopt;
            st.hour = st.hour % 12 + (pm ? 12 : 0);
        }
        if (st.hour > 23 || st.minute > 59 || st.second > 59) return std::nullopt;
    }
    return systemTimeToOleDate(st);
}

std::string trimmed(const std::string& s) {
    size_t a = 0, b = s.size();
    while (a < b && static_cast<unsigned char>(s[a]) <= ' ') ++a;
    while (b > a && static_cast<unsigned char>(s[b - 1]) <= ' ') --b;
    return s.substr(a, b - a);
}

}  // namespace

// --- drive list --------------------------------------------------------------------

TDiskListView::TDiskListView(ui::Control* parent, std::string name) : ListView(parent, std::move(name)) {
    setViewStyle(ui::ViewStyle::Report);
    setMultiSelect(true);
    setReadOnly(true);
    setShowColumnHeaders(true);
    setColumnClick(false);
    setHideSelection(false);
    images_.setMasked(false);
    setSmallImages(&images_);
    addColumn("Select drives", ui::kWidthOfContents);
}

TDiskListView::~TDiskListView() { setSmallImages(nullptr); }

void TDiskListView::refreshDrives() {
    IFileSystem& fs = machine().files();
    IShell& shell = machine().shell();
    beginUpdate();
    clear();
    images_.clear();
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const std::string root = std::string(1, letter) + ":\\";
        const DriveType type = fs.driveType(root);
        if (type == DriveType::Unknown || type == DriveType::NoRootDir) continue;
        const auto info = shell.fileInfo(root, shgfi::SmallIcon | shgfi::DisplayName);
        if (!info) continue;
        ui::ListRow r;
        r.caption = info->displayName;
        if (!info->smallIcon.empty()) r.imageIndex = images_.add(info->smallIcon);
        // The host's whole file system (Wine's Z:) holds /proc, /sys and the user's
        // own files: never part of a default choice.
        const int index = addRow(std::move(r));
        if (type == DriveType::Fixed && selectLocalDrives_ && !fs.mapsWholeHostFileSystem(root)) setSelected(index, true);
    }
    endUpdate();
}

char TDiskListView::driveLetterOf(const std::string& caption) {
    const size_t open = caption.find(" (");
    if (open == std::string::npos || open + 2 >= caption.size() || caption.find(":)") == std::string::npos) return 0;
    return caption[open + 2];
}

std::string TDiskListView::driveSet() const {
    std::string set;
    for (int i = nextSelected(-1); i >= 0; i = nextSelected(i))
        if (const char letter = driveLetterOf(row(i).caption))
            set += static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    return set;
}

void TDiskListView::checkDrives(const std::string& set) {
    const std::string used = set.substr(0, std::min(set.size(), static_cast<size_t>(rowCount())));
    for (int i = 0; i < rowCount(); ++i) {
        // The letter is the character just before the colon of "(C:)".
        const std::string& caption = row(i).caption;
        const size_t colon = caption.rfind(":)");
        if (colon == std::string::npos || colon == 0) continue;
        if (used.find(caption[colon - 1]) != std::string::npos) setChecked(i, true);
    }
}

void TDiskListView::selectCheckedRows() {
    for (int i = 0; i < rowCount(); ++i)
        if (row(i).selected != row(i).checked) setSelected(i, row(i).checked);
}

// --- file list ---------------------------------------------------------------------

TFileListView::TFileListView(ui::Control* parent, std::string name) : ListView(parent, std::move(name)) {
    setViewStyle(ui::ViewStyle::Report);
    setMultiSelect(true);
    setReadOnly(true);
    setShowColumnHeaders(true);
    setHideSelection(false);
    setRowSelect(true);
    setColumns({{"Name", 50, ui::Alignment::Left},
                // A fixed width rather than "sized to its header": under Wine a
                // header-sized column that is not the last fills the rest of the list.
                {"Size", 80, ui::Alignment::Right},
                {"Type", 50, ui::Alignment::Left},
                {"Modified", 50, ui::Alignment::Left},
                {"Attr", 50, ui::Alignment::Right},
                {"File Ver", 50, ui::Alignment::Right},
                {"Prod Ver", ui::kWidthOfHeader, ui::Alignment::Right}});
    SetProcessDateTimeFormats("yyyy/mm/dd", "hh:nn");
    onColumnClick = [this](int column) { sortByColumn(column); };
}

std::string AttributeLetters(uint32_t a) {
    std::string s = "    ";
    if (a & attr::ReadOnly) s[0] = 'R';
    if (a & attr::Hidden) s[1] = 'H';
    if (a & attr::System) s[2] = 'S';
    if (a & attr::Archive) s[3] = 'A';
    return s;
}

bool TFileListView::addFileRow(const std::string& path, uint64_t& size) {
    const auto info = machine().shell().fileInfo(path, shgfi::TypeName);
    if (!info) return false;
    FindData found;
    if (!machine().files().findFirst(path, found)) return false;
    const SystemTime modified = fileTimeToSystemTime(machine().system().utcToLocal(found.lastWriteTime));
    const FileVersionTexts version = machine().shell().fileVersion(path);
    addRow(lowerAscii(path), {std::to_string(found.size), trimmed(info->typeName), FormatDateTime("c", modified),
                              AttributeLetters(found.attributes), version.fileVersion, version.productVersion});
    size = found.size;
    return true;
}

int TFileListView::compareByColumn(const Row& a, const Row& b, int column) {
    switch (column) {
        case Name: return compareNoCase(a.caption, b.caption);
        case Size: return sign(parseInteger(a.text(Size)).value_or(0) - parseInteger(b.text(Size)).value_or(0));
        case Modified: {
            const auto now = [] { return systemTimeToOleDate(localNow(machine().system())); };
            const auto da = parseDateTime(a.text(Modified)), db = parseDateTime(b.text(Modified));
            const double diff = (da ? *da : now()) - (db ? *db : now());
            return sign(static_cast<int64_t>(std::llround(diff * 100000.0)));
        }
        default: return compareNoCase(a.text(column), b.text(column));
    }
}

void TFileListView::sortByColumn(int column) {
    ascending_ = column == sortColumn_ ? !ascending_ : true;
    sortColumn_ = column;
    const bool ascending = ascending_;
    sort([column, ascending](const Row& a, const Row& b) {
        const int r = compareByColumn(a, b, column);
        return ascending ? r : -r;
    });
}

// --- any list ----------------------------------------------------------------------

void CheckAllRows(bool mark, ui::ListView& list) {
    list.beginUpdate();
    for (int i = 0; i < list.rowCount(); ++i) list.setChecked(i, mark);
    list.endUpdate();
}

void CompareRows(const ui::ListRow& a, const ui::ListRow& b, int column, int& result) {
    if (column < 0) return;
    if (column > 0) {
        const size_t index = static_cast<size_t>(column - 1);
        if (index >= a.subItems.size() || index >= b.subItems.size()) return;
    }
    const int c = a.text(column).compare(b.text(column));
    result = c < 0 ? -1 : c > 0 ? 1 : 0;
}

}  // namespace sv
