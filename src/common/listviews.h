// The drive list and the file list that the scanning tools share, and two small
// functions for any list view (check every row, compare rows by a column).
#pragma once

#include <cstdint>
#include <string>

#include "common/settings.h"
#include "platform/ui/imagelist.h"
#include "platform/ui/listview.h"

namespace sv {

// The machine's drives under their shell display names and small icons, with the
// drive set (letters of the selected rows) as the tools' choice of drives. The tools
// give it check boxes and keep each row's selection equal to its check mark.
class TDiskListView : public ui::ListView, public DriveCheckList {
public:
    TDiskListView(ui::Control* parent, std::string name);
    ~TDiskListView() override;

    // Whether refreshDrives selects the fixed drives (on by default).
    bool selectLocalDrives() const { return selectLocalDrives_; }
    void setSelectLocalDrives(bool v) { selectLocalDrives_ = v; }
    ui::ImageList& images() { return images_; }

    // Rebuilds the rows: every letter whose drive type is known and has a root and
    // that the shell can name, in letter order. A drive that maps the host's whole
    // file system is never selected by this default.
    void refreshDrives();

    // The upper-case letters of the selected rows in row order ("CE"); "" for none.
    std::string driveSet() const;
    // Checks (never unchecks) every drive whose letter occurs among the first as
    // many characters of `set` as there are drives: how the tools restore a
    // stored drive set ("---" checks nothing).
    void checkDrives(const std::string& set);
    // Makes each row's selection equal to its check mark.
    void selectCheckedRows();

    // The letter a caption such as "Data (D:)" names: the character after its
    // first " (", when it also holds ":)"; 0 when it names none.
    static char driveLetterOf(const std::string& caption);

    // DriveCheckList, for the first-use default of check marks.
    int driveCount() const override { return rowCount(); }
    std::string driveCaption(int index) const override { return row(index).caption; }
    void setDriveChecked(int index, bool checked) override { setChecked(index, checked); }

private:
    // A windowless component of the list itself, so it has no parent control.
    ui::ImageList images_{nullptr, "DiskListViewImageList"};
    bool selectLocalDrives_ = true;
};

// Found files with their details: lower-case path, size, type name, modified
// time, attribute letters, file and product version. Creating one switches the
// process to the "yyyy/mm/dd" short date and "hh:nn" long time formats.
class TFileListView : public ui::ListView {
public:
    enum Column { Name = 0, Size = 1, Type = 2, Modified = 3, Attributes = 4, FileVersion = 5, ProductVersion = 6 };

    TFileListView(ui::Control* parent, std::string name);

    // Adds a row for an existing file and gives its size; false (and no row) when
    // the shell cannot tell its type or the file is gone. The new row is the last;
    // its picture and data are the caller's.
    bool addFileRow(const std::string& path, uint64_t& size);

    int sortColumn() const { return sortColumn_; }
    bool sortAscending() const { return ascending_; }
    // What a header click does (onColumnClick, which a window may replace): the
    // clicked column becomes the sort column, the current one flips direction,
    // and the rows are sorted once.
    void sortByColumn(int column);
    // Negative when `a` goes before `b` in ascending order of `column`.
    static int compareByColumn(const Row& a, const Row& b, int column);

private:
    int sortColumn_ = Size;
    bool ascending_ = true;
};

// The texts of a file row's attribute column: "R", "H", "S", "A" or a blank each.
std::string AttributeLetters(uint32_t attributes);

void CheckAllRows(bool mark, ui::ListView& list);

// A list view compare handler (onCompare) with the column as its data: column 0
// compares captions, column n the sub-items n - 1, in byte order. When either row
// lacks that sub-item, `result` is left as it was.
void CompareRows(const ui::ListRow& a, const ui::ListRow& b, int column, int& result);

}  // namespace sv
