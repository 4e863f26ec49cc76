// User-kept lists of folders (or files) with a check mark and a description per
// row, stored below a registry key of HKEY_CURRENT_USER: each row's check mark as
// a typed boolean named by its path, its description under key\Desc (a single
// blank for none).
#pragma once

#include <string>

#include "platform/ui/listview.h"

namespace sv {

// The picture of a list's rows in the shared 16 x 16 image list, chosen by the
// list's component name ("lvFolders", "lvFiles", ...); -1 for other lists.
int FolderListPicture(const ui::ListView& list);

// Adds a row for `path` (given a trailing backslash) with `mark`, asking for its
// description; with `edit` it renames the selected row instead and asks for its
// new description, keeping its check mark.
void AddFolderRow(ui::ListView& list, std::string path, bool mark, bool edit);
// The folder browser (from the selected row's path when editing); a chosen
// folder goes to AddFolderRow checked.
void BrowseFolder(ui::ListView& list, bool edit);
void SaveFolderList(ui::ListView& list, const std::string& keyPath);
// A list never saved keeps its designed rows, all checked.
void LoadFolderList(ui::ListView& list, const std::string& keyPath);
// Deletes the selected row and selects the one before it (or the new first one).
void DeleteSelectedRow(ui::ListView& list);

}  // namespace sv
