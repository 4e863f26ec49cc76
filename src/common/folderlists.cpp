#include "common/folderlists.h"

#include <utility>
#include <vector>

#include "common/regaccess.h"
#include "common/text.h"
#include "platform/machine.h"

namespace sv {
namespace {

constexpr const char* kDescriptionTitle = "Folder Description";
// A row without a description is stored, and asked for, as one blank.
constexpr const char* kNoDescription = " ";

std::string descriptionKey(const std::string& keyPath) { return withoutBackslash(keyPath) + "\\Desc"; }

}  // namespace

int FolderListPicture(const ui::ListView& list) {
    static const std::vector<std::pair<const char*, int>> pictures{
        {"lvExclude", 3}, {"lvFolderExclude", 3}, {"lvFolders", 9}, {"lvFolderFind", 9}, {"lvFiles", 10}, {"lvXFiles", 12}};
    for (const auto& [name, picture] : pictures)
        if (list.name() == name) return picture;
    return -1;
}

void AddFolderRow(ui::ListView& list, std::string path, bool mark, bool edit) {
    if (path.empty() || path.back() != '\\') path += '\\';
    IDialogs& dialogs = machine().dialogs();
    if (!edit) {
        ui::ListRow r;
        r.caption = path;
        r.imageIndex = FolderListPicture(list);
        r.checked = mark;
        const int index = list.addRow(std::move(r));
        list.setSubItem(index, 0, dialogs.inputBox(kDescriptionTitle, "Enter a description for this folder", kNoDescription));
        return;
    }
    const int index = list.itemIndex();
    if (index < 0) return;
    list.setRowCaption(index, path);
    const auto& subItems = list.row(index).subItems;
    const std::string preset = subItems.empty() ? std::string(kNoDescription) : subItems[0];
    list.setSubItem(index, 0, dialogs.inputBox(kDescriptionTitle, "Enter a description for this excluded folder", preset));
}

void BrowseFolder(ui::ListView& list, bool edit) {
    const int index = list.itemIndex();
    const std::string start = edit && index >= 0 ? list.row(index).caption : std::string();
    if (const auto folder = machine().dialogs().browseFolder("Select a folder", start, false))
        AddFolderRow(list, *folder, true, edit);
}

void SaveFolderList(ui::ListView& list, const std::string& keyPath) {
    IRegistry& reg = machine().registry();
    reg.deleteKeyTree(RegRoot::CurrentUser, keyPath);
    {
        RegAccess key(RegRoot::CurrentUser, keyPath, true);
        if (key.isOpen())
            for (const auto& r : list.rows()) key.writeBool(r.caption, r.checked);
    }
    reg.deleteKeyTree(RegRoot::CurrentUser, descriptionKey(keyPath));
    RegAccess desc(RegRoot::CurrentUser, descriptionKey(keyPath), true);
    if (!desc.isOpen()) return;
    for (const auto& r : list.rows())
        desc.writeString(r.caption, r.subItems.empty() ? std::string(kNoDescription) : r.subItems[0]);
}

void LoadFolderList(ui::ListView& list, const std::string& keyPath) {
    if (!machine().registry().keyExists(RegRoot::CurrentUser, keyPath)) {
        list.beginUpdate();
        for (int i = 0; i < list.rowCount(); ++i) list.setChecked(i, true);
        // The file list's designed column is narrower than the window gives it.
        if (list.name() == "lvFiles" && list.columnCount() > 0) list.setColumnWidth(0, 67);
        list.endUpdate();
        return;
    }
    RegAccess key(RegRoot::CurrentUser, keyPath, false);
    if (!key.isOpen()) return;
    const std::vector<std::string> names = key.valueNames();
    list.beginUpdate();
    list.clear();
    for (const auto& name : names) {
        ui::ListRow r;
        r.caption = name;
        r.imageIndex = FolderListPicture(list);
        r.checked = key.readBool(name);
        list.addRow(std::move(r));
    }
    RegAccess desc(RegRoot::CurrentUser, descriptionKey(keyPath), true);
    for (size_t i = 0; i < names.size(); ++i) {
        const std::string text = desc.isOpen() && desc.valueExists(names[i]) ? desc.readString(names[i]) : std::string();
        list.setSubItem(static_cast<int>(i), 0, text);
    }
    list.endUpdate();
}

void DeleteSelectedRow(ui::ListView& list) {
    const int index = list.itemIndex();
    if (index < 0) return;
    list.deleteRow(index);
    if (list.rowCount() > 0) list.setItemIndex(index > 0 ? index - 1 : 0);
}

}  // namespace sv
