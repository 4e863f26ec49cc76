// The simulated shell's file information: display and type names, icons and
// version texts, shaped like what Windows (and Wine) report.
#include <cctype>

#include "platform/sim/sim_files.h"
#include "platform/sim/sim_names.h"
#include "platform/sim/sim_shell.h"

namespace sv::sim {
namespace {

bool isDriveRoot(const std::string& path) {
    return (path.size() == 2 || (path.size() == 3 && path[2] == '\\')) && std::isalpha(static_cast<unsigned char>(path[0])) &&
           path[1] == ':';
}

std::string driveTypeName(DriveType t) {
    switch (t) {
        case DriveType::Removable: return "Removable Disk";
        case DriveType::Remote: return "Network Drive";
        case DriveType::CdRom: return "CD Drive";
        case DriveType::RamDisk: return "RAM Disk";
        default: return "Local Disk";
    }
}

uint32_t driveColour(DriveType t) {
    switch (t) {
        case DriveType::Removable: return 0x4080C0;
        case DriveType::Remote: return 0x40A040;
        case DriveType::CdRom: return 0xC0C0C0;
        case DriveType::RamDisk: return 0xC08040;
        default: return 0x808080;
    }
}

// A square of one colour inside a one-pixel margin of the background.
ui::Bitmap plainIcon(uint32_t colour, uint32_t background) {
    ui::Bitmap b{16, 16, std::vector<uint32_t>(256, background)};
    for (int y = 1; y < 15; ++y)
        for (int x = 1; x < 15; ++x) b.pixels[static_cast<size_t>(y) * 16 + x] = colour;
    return b;
}

}  // namespace

std::optional<ShellFileInfo> SimShell::fileInfo(const std::string& path, unsigned what,
                                                std::optional<uint32_t> iconBackground) {
    ShellFileInfo out;
    uint32_t colour = 0;
    if (isDriveRoot(path)) {
        const std::string root = std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>(path[0])))) + ":\\";
        const DriveType type = fs_.driveType(root);
        if (type == DriveType::Unknown || type == DriveType::NoRootDir) return std::nullopt;
        out.displayName = fs_.volumeLabel(root) + " (" + root.substr(0, 2) + ")";
        out.typeName = driveTypeName(type);
        colour = driveColour(type);
    } else {
        const auto a = fs_.attributes(path);
        if (!a) return std::nullopt;
        const auto slash = path.find_last_of('\\');
        const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
        out.displayName = name;
        if (*a & attr::Directory) {
            out.typeName = "File Folder";
            colour = 0xE0C050;
        } else {
            const auto dot = name.find_last_of('.');
            const std::string ext = dot == std::string::npos ? std::string() : name.substr(dot + 1);
            const auto set = typeNames_.find(foldCase(ext));
            out.typeName = set != typeNames_.end() ? set->second : ext.empty() ? "File" : foldCase(ext) + " File";
            colour = 0xF0F0F0;
        }
    }
    if (!(what & shgfi::DisplayName)) out.displayName.clear();
    if (!(what & shgfi::TypeName)) out.typeName.clear();
    if ((what & shgfi::SmallIcon) == shgfi::SmallIcon) out.smallIcon = plainIcon(colour, iconBackground.value_or(0xFFFFFF));
    return out;
}

FileVersionTexts SimShell::fileVersion(const std::string& path) {
    const auto it = versions_.find(foldCase(path));
    return it != versions_.end() && fs_.fileExists(path) ? it->second : FileVersionTexts{};
}

std::optional<ui::Bitmap> SimShell::fileIcon(const std::string& path, std::optional<uint32_t> background) {
    if (!fs_.fileExists(path)) return std::nullopt;
    const auto dot = path.find_last_of('.');
    const std::string ext = dot == std::string::npos ? std::string() : foldCase(path.substr(dot + 1));
    for (const char* withIcon : {"exe", "dll", "ico", "cpl", "scr"})
        if (ext == withIcon) return plainIcon(0x3070C0, background.value_or(0xFFFFFF));
    return std::nullopt;
}

bool SimShell::showProperties(const std::string& path) {
    propertiesShown_.push_back(path);
    return fs_.fileExists(path);
}

void SimShell::setTypeName(const std::string& extension, const std::string& typeName) {
    typeNames_[foldCase(extension)] = typeName;
}

void SimShell::setFileVersion(const std::string& path, const std::string& fileVersion, const std::string& productVersion) {
    versions_[foldCase(path)] = {fileVersion, productVersion};
}

}  // namespace sv::sim
