// List views: rows of text with optional columns, check marks, pictures and a
// selection. The control holds every row; a window only shows them (the Win32
// one is virtual and asks the control for each visible row), so lists of
// 100,000 rows cost no more than the rows a user can see.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/ui/control.h"

namespace sv::ui {

class ImageList;

enum class ViewStyle { Report, List };

// Column widths that let the window measure: the widest text of the column, or
// that and the caption, whichever is wider (the last column then fills the rest).
constexpr int kWidthOfContents = -1;
constexpr int kWidthOfHeader = -2;

struct ListColumn {
    std::string caption;
    int width = 50;
    Alignment alignment = Alignment::Left;
};

struct ListRow {
    std::string caption;
    std::vector<std::string> subItems;
    int imageIndex = -1;
    // Kept whether or not the list shows check boxes.
    bool checked = false;
    bool selected = false;
    // The tool's own record for the row (a number, or a pointer it owns).
    uint64_t data = 0;

    // Column 0 is the caption, column n the sub-item n - 1 (empty when missing).
    const std::string& text(int column) const;
};

// What a window needs to hear to show the rows as they are. A list view's peer
// implements it besides Peer; changes made between beginUpdate and endUpdate
// arrive as one reset.
class ListViewObserver {
public:
    virtual ~ListViewObserver() = default;
    // Count, selection, focus and every row may have changed.
    virtual void reset() = 0;
    // Rows [first, last] show other texts, pictures or check marks.
    virtual void rowsChanged(int first, int last) = 0;
    // Rows were appended at the end (nothing before them moved).
    virtual void rowsAppended(int count) = 0;
    virtual void rowDeleted(int index) = 0;
    // The selection or focus of one row changed.
    virtual void rowStateChanged(int row) = 0;
    virtual void columnsChanged() = 0;
    virtual void scrollIntoView(int row) = 0;
    // The row under a point of the control, -1 for none.
    virtual int rowAt(int x, int y) = 0;
};

class ListView : public Control {
public:
    using Row = ListRow;
    using Column = ListColumn;
    using Compare = std::function<int(const Row& a, const Row& b)>;

    ListView(Control* parent, std::string name);
    ~ListView() override;
    const char* kind() const override { return "listview"; }

    // --- looks and options (Prop::Style) ---
    ViewStyle viewStyle() const { return viewStyle_; }
    void setViewStyle(ViewStyle v);
    bool checkBoxes() const { return checkBoxes_; }
    void setCheckBoxes(bool v);
    bool multiSelect() const { return multiSelect_; }
    // Turning it off keeps only the first selected row selected.
    void setMultiSelect(bool v);
    // A selected row is highlighted across all its columns.
    bool rowSelect() const { return rowSelect_; }
    void setRowSelect(bool v);
    bool gridLines() const { return gridLines_; }
    void setGridLines(bool v);
    // Whether the selection disappears while another control has the focus.
    bool hideSelection() const { return hideSelection_; }
    void setHideSelection(bool v);
    // A list that is not read-only lets the user edit captions in place.
    bool readOnly() const { return readOnly_; }
    void setReadOnly(bool v);
    bool showColumnHeaders() const { return showColumnHeaders_; }
    void setShowColumnHeaders(bool v);
    // Whether the column headers are buttons that report clicks.
    bool columnClick() const { return columnClick_; }
    void setColumnClick(bool v);
    // Small pictures for the rows (not owned; it must outlive the list view).
    ImageList* smallImages() const { return smallImages_; }
    void setSmallImages(ImageList* images);

    // --- columns ---
    int columnCount() const { return static_cast<int>(columns_.size()); }
    const Column& column(int index) const { return columns_.at(index); }
    int addColumn(const std::string& caption, int width = 50, Alignment alignment = Alignment::Left);
    void setColumns(std::vector<Column> columns);
    void setColumnCaption(int index, const std::string& caption);
    void setColumnWidth(int index, int width);
    void setColumnAlignment(int index, Alignment alignment);

    // --- rows ---
    int rowCount() const { return static_cast<int>(rows_.size()); }
    const Row& row(int index) const { return rows_.at(index); }
    const std::vector<Row>& rows() const { return rows_; }
    // Appends a row, returning its index.
    int addRow(Row row);
    int addRow(const std::string& caption, std::vector<std::string> subItems = {});
    void insertRow(int index, Row row);
    void deleteRow(int index);
    void clear();
    // Room for `count` rows, so that adding them moves nothing.
    void reserve(int count) { rows_.reserve(static_cast<size_t>(count)); }

    void setRowCaption(int row, const std::string& caption);
    // Sets the sub-item `index` (0 = the second column), adding empty ones before it.
    void setSubItem(int row, int index, const std::string& text);
    void setSubItems(int row, std::vector<std::string> subItems);
    void setImageIndex(int row, int image);
    void setChecked(int row, bool checked);
    void setData(int row, uint64_t data);
    void setData(int row, const void* pointer) { setData(row, static_cast<uint64_t>(reinterpret_cast<uintptr_t>(pointer))); }
    template <class T>
    T* dataPointer(int row) const {
        return reinterpret_cast<T*>(static_cast<uintptr_t>(rows_.at(row).data));
    }

    // Changes between these show once, at the last endUpdate.
    void beginUpdate() { ++updateDepth_; }
    void endUpdate();
    bool updating() const { return updateDepth_ > 0; }

    // --- selection and focus ---
    void setSelected(int row, bool selected);
    int selCount() const { return selCount_; }
    // The first selected row, -1 for none.
    int itemIndex() const { return nextSelected(-1); }
    // Selects only `row` (none for -1) and gives it the focus.
    void setItemIndex(int row);
    // The first selected row after `after`, -1 when there is none: walk the
    // selection with `for (int i = lv.nextSelected(-1); i >= 0; i = lv.nextSelected(i))`.
    int nextSelected(int after) const;
    std::vector<int> selectedRows() const;
    void selectAll();
    void clearSelection();
    // The row with the focus rectangle, -1 for none.
    int itemFocused() const { return focused_; }
    void setItemFocused(int row);
    void scrollIntoView(int row);
    // The row under a point of the control (client coordinates), -1 for none.
    int rowAt(int x, int y);

    // --- sorting (rows keep their check marks, selection and focus) ---
    // A negative result puts `a` first; equal rows keep their order.
    void sort(const Compare& compare);
    // Sorts by onCompare with `data` handed to it (tools pass the clicked
    // column), or by captions in byte order when there is no handler.
    void customSort(int data);
    void alphaSort() { customSort(0); }

    // --- events (from the user only; setting a property from code fires none) ---
    // After every change the user made to a row: selection, check mark, caption.
    std::function<void()> onChange;
    std::function<void(int row, bool selected)> onSelectItem;
    std::function<void(int row)> onItemChecked;
    std::function<void(int column)> onColumnClick;
    // `result` starts at 0; negative puts `a` first.
    std::function<void(const Row& a, const Row& b, int data, int& result)> onCompare;
    // An in-place edit is about to start; clear `allow` to refuse it.
    std::function<void(int row, bool& allow)> onEditing;
    // An in-place edit ended with `text` (which the handler may change); clear
    // `accept` to keep the old caption.
    std::function<void(int row, std::string& text, bool& accept)> onEdited;

    // --- what a user does (the backends call these on real input) ---
    // A click on a row (-1: on no row): alone it selects just that row; Ctrl
    // adds or removes it, Shift selects from the focused row to it.
    void userSelect(int row, ShiftState shift = {});
    // One row's selection as the window reports it.
    void userSetSelected(int row, bool selected);
    void userSetSelectedRange(int first, int last, bool selected);
    void userFocus(int row);
    void userCheckRow(int row, bool checked);
    void userClickColumn(int column);
    void userResizeColumn(int column, int width);
    // Starts an in-place edit of a caption; false when the list is read-only or
    // onEditing refused it.
    bool userBeginEdit(int row);
    // Ends the edit with the user's text; returns whether the caption took it.
    bool userEndEdit(const std::string& text);
    void userCancelEdit();
    int editingRow() const { return editing_; }
    // A right press selects the row under the pointer first (unless it is
    // selected already), so that a pop-up menu acts on that row.
    void userMouseDown(MouseButton b, ShiftState s, int x, int y) override;

    // Backend side: the peer that shows the rows, when the form has a window.
    ListViewObserver* observer() const;

private:
    void showReset();
    void showRows(int first, int last);
    void showRowState(int row);
    void showColumns();
    void changeSelected(int row, bool selected);
    void fireSelected(int row, bool selected);
    void fireChange();
    void checkRow(int index) const;
    void setStyle(bool& field, bool v);

    std::vector<Row> rows_;
    std::vector<Column> columns_;
    ViewStyle viewStyle_ = ViewStyle::Report;
    bool checkBoxes_ = false, multiSelect_ = false, rowSelect_ = false, gridLines_ = false;
    bool hideSelection_ = true, readOnly_ = false, showColumnHeaders_ = true, columnClick_ = true;
    ImageList* smallImages_ = nullptr;
    int selCount_ = 0;
    int focused_ = -1;
    int editing_ = -1;
    int updateDepth_ = 0;
    bool pendingReset_ = false;
    int topRow_ = 0;  // the first row shown, for hit tests without a window
};

}  // namespace sv::ui
