#include "platform/ui/listview.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>

#include "platform/ui/application.h"
#include "platform/ui/imagelist.h"

namespace sv::ui {
namespace {

// Geometry of a list without a window (the headless backend): the sizes the
// Win32 list shows with its default font under Wine, so that rowAt means the
// same on both.
constexpr int kHeaderHeight = 16;
constexpr int kRowHeight = 14;
constexpr int kListColumnWidth = 120;

}  // namespace

const std::string& ListRow::text(int column) const {
    static const std::string none;
    if (column == 0) return caption;
    if (column < 0 || column > static_cast<int>(subItems.size())) return none;
    return subItems[column - 1];
}

ListView::ListView(Control* parent, std::string name) : Control(parent, std::move(name)) { setTabStop(true); }

ListView::~ListView() = default;

ListViewObserver* ListView::observer() const { return dynamic_cast<ListViewObserver*>(peer()); }

void ListView::checkRow(int index) const {
    if (index < 0 || index >= rowCount()) throw std::out_of_range("list view row " + std::to_string(index) + " out of range");
}

// --- telling the window -------------------------------------------------------------

void ListView::showReset() {
    if (updating()) {
        pendingReset_ = true;
        return;
    }
    if (auto* o = observer()) o->reset();
}

void ListView::showRows(int first, int last) {
    if (updating()) {
        pendingReset_ = true;
        return;
    }
    if (auto* o = observer()) o->rowsChanged(first, last);
}

void ListView::showRowState(int row) {
    if (updating()) {
        pendingReset_ = true;
        return;
    }
    if (auto* o = observer()) o->rowStateChanged(row);
}

void ListView::showColumns() {
    if (auto* o = observer()) o->columnsChanged();
}

void ListView::endUpdate() {
    if (updateDepth_ == 0) return;
    if (--updateDepth_ > 0 || !pendingReset_) return;
    pendingReset_ = false;
    if (auto* o = observer()) o->reset();
}

// --- options -------------------------------------------------------------------------

void ListView::setStyle(bool& field, bool v) {
    if (field == v) return;
    field = v;
    notify(Prop::Style);
}

void ListView::setViewStyle(ViewStyle v) {
    if (viewStyle_ == v) return;
    viewStyle_ = v;
    notify(Prop::Style);
}

void ListView::setCheckBoxes(bool v) {
    if (checkBoxes_ == v) return;
    checkBoxes_ = v;
    notify(Prop::Style);
    showRows(0, rowCount() - 1);
}

void ListView::setMultiSelect(bool v) {
    if (multiSelect_ == v) return;
    multiSelect_ = v;
    if (!v && selCount_ > 1) {
        const int keep = itemIndex();
        for (int i = keep + 1; i < rowCount(); ++i) changeSelected(i, false);
    }
    notify(Prop::Style);
}

void ListView::setRowSelect(bool v) { setStyle(rowSelect_, v); }
void ListView::setGridLines(bool v) { setStyle(gridLines_, v); }
void ListView::setHideSelection(bool v) { setStyle(hideSelection_, v); }
void ListView::setReadOnly(bool v) { setStyle(readOnly_, v); }
void ListView::setShowColumnHeaders(bool v) { setStyle(showColumnHeaders_, v); }
void ListView::setColumnClick(bool v) { setStyle(columnClick_, v); }

void ListView::setSmallImages(ImageList* images) {
    if (smallImages_ == images) return;
    smallImages_ = images;
    notify(Prop::Style);
    showRows(0, rowCount() - 1);
}

// --- columns -----------------------------------------------------------------------

int ListView::addColumn(const std::string& caption, int width, Alignment alignment) {
    columns_.push_back(Column{caption, width, alignment});
    showColumns();
    return columnCount() - 1;
}

void ListView::setColumns(std::vector<Column> columns) {
    columns_ = std::move(columns);
    showColumns();
}

void ListView::setColumnCaption(int index, const std::string& caption) {
    columns_.at(index).caption = caption;
    showColumns();
}

void ListView::setColumnWidth(int index, int width) {
    columns_.at(index).width = width;
    showColumns();
}

void ListView::setColumnAlignment(int index, Alignment alignment) {
    columns_.at(index).alignment = alignment;
    showColumns();
}

// --- rows --------------------------------------------------------------------------

int ListView::addRow(Row row) {
    if (row.selected && !multiSelect_ && selCount_ > 0) row.selected = false;
    if (row.selected) ++selCount_;
    rows_.push_back(std::move(row));
    if (updating()) pendingReset_ = true;
    else if (auto* o = observer()) {
        o->rowsAppended(1);
        if (rows_.back().selected) o->rowStateChanged(rowCount() - 1);
    }
    return rowCount() - 1;
}

int ListView::addRow(const std::string& caption, std::vector<std::string> subItems) {
    Row r;
    r.caption = caption;
    r.subItems = std::move(subItems);
    return addRow(std::move(r));
}

void ListView::insertRow(int index, Row row) {
    if (index < 0 || index > rowCount()) throw std::out_of_range("list view row " + std::to_string(index) + " out of range");
    if (index == rowCount()) {
        addRow(std::move(row));
        return;
    }
    if (row.selected && !multiSelect_ && selCount_ > 0) row.selected = false;
    if (row.selected) ++selCount_;
    rows_.insert(rows_.begin() + index, std::move(row));
    if (focused_ >= index) ++focused_;
    if (editing_ >= index) ++editing_;
    showReset();
}

void ListView::deleteRow(int index) {
    checkRow(index);
    if (rows_[index].selected) --selCount_;
    rows_.erase(rows_.begin() + index);
    if (focused_ == index) focused_ = -1;
    else if (focused_ > index) --focused_;
    if (editing_ == index) editing_ = -1;
    else if (editing_ > index) --editing_;
    if (updating()) pendingReset_ = true;
    else if (auto* o = observer()) o->rowDeleted(index);
}

void ListView::clear() {
    rows_.clear();
    selCount_ = 0;
    focused_ = editing_ = -1;
    topRow_ = 0;
    showReset();
}

void ListView::setRowCaption(int row, const std::string& caption) {
    checkRow(row);
    rows_[row].caption = caption;
    showRows(row, row);
}

void ListView::setSubItem(int row, int index, const std::string& text) {
    checkRow(row);
    if (index < 0) throw std::out_of_range("sub-item index out of range");
    auto& subs = rows_[row].subItems;
    if (static_cast<int>(subs.size()) <= index) subs.resize(static_cast<size_t>(index) + 1);
    subs[index] = text;
    showRows(row, row);
}

void ListView::setSubItems(int row, std::vector<std::string> subItems) {
    checkRow(row);
    rows_[row].subItems = std::move(subItems);
    showRows(row, row);
}

void ListView::setImageIndex(int row, int image) {
    checkRow(row);
    rows_[row].imageIndex = image;
    showRows(row, row);
}

void ListView::setChecked(int row, bool checked) {
    checkRow(row);
    if (rows_[row].checked == checked) return;
    rows_[row].checked = checked;
    showRows(row, row);
}

void ListView::setData(int row, uint64_t data) {
    checkRow(row);
    rows_[row].data = data;
}

// --- selection and focus --------------------------------------------------------------

void ListView::changeSelected(int row, bool selected) {
    Row& r = rows_[row];
    if (r.selected == selected) return;
    r.selected = selected;
    selCount_ += selected ? 1 : -1;
    showRowState(row);
}

void ListView::setSelected(int row, bool selected) {
    checkRow(row);
    if (selected && !multiSelect_ && selCount_ > 0 && !rows_[row].selected) clearSelection();
    changeSelected(row, selected);
}

void ListView::setItemIndex(int row) {
    if (row >= 0) checkRow(row);
    for (int i = nextSelected(-1); i >= 0; i = nextSelected(i))
        if (i != row) changeSelected(i, false);
    if (row >= 0) {
        changeSelected(row, true);
        setItemFocused(row);
    }
}

int ListView::nextSelected(int after) const {
    if (selCount_ == 0) return -1;
    for (int i = std::max(after + 1, 0); i < rowCount(); ++i)
        if (rows_[i].selected) return i;
    return -1;
}

std::vector<int> ListView::selectedRows() const {
    std::vector<int> out;
    out.reserve(static_cast<size_t>(selCount_));
    for (int i = nextSelected(-1); i >= 0; i = nextSelected(i)) out.push_back(i);
    return out;
}

void ListView::selectAll() {
    if (!multiSelect_) return;
    beginUpdate();
    for (int i = 0; i < rowCount(); ++i) changeSelected(i, true);
    endUpdate();
}

void ListView::clearSelection() {
    if (selCount_ == 0) return;
    // Many rows at once show as one reset, few as single rows.
    const bool many = selCount_ > 64;
    if (many) beginUpdate();
    for (int i = nextSelected(-1); i >= 0; i = nextSelected(i)) changeSelected(i, false);
    if (many) endUpdate();
}

void ListView::setItemFocused(int row) {
    if (row >= 0) checkRow(row);
    if (focused_ == row) return;
    const int old = focused_;
    focused_ = row;
    if (old >= 0) showRowState(old);
    if (row >= 0) showRowState(row);
}

void ListView::scrollIntoView(int row) {
    checkRow(row);
    const int visible = std::max(1, (height() - (showColumnHeaders_ ? kHeaderHeight : 0)) / kRowHeight);
    if (row < topRow_) topRow_ = row;
    else if (row >= topRow_ + visible) topRow_ = row - visible + 1;
    if (!updating())
        if (auto* o = observer()) o->scrollIntoView(row);
}

int ListView::rowAt(int x, int y) {
    if (auto* o = observer()) return o->rowAt(x, y);
    if (x < 0 || y < 0 || x >= width() || y >= height()) return -1;
    int index;
    if (viewStyle_ == ViewStyle::Report) {
        const int top = showColumnHeaders_ ? kHeaderHeight : 0;
        if (y < top) return -1;
        index = topRow_ + (y - top) / kRowHeight;
    } else {
        const int perColumn = std::max(1, height() / kRowHeight);
        index = topRow_ + (x / kListColumnWidth) * perColumn + y / kRowHeight;
    }
    return index < rowCount() ? index : -1;
}

// --- sorting -----------------------------------------------------------------------

void ListView::sort(const Compare& compare) {
    if (rows_.size() < 2) return;
    // Sort positions first: a handler that throws leaves the rows as they were.
    std::vector<int> order(rows_.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return compare(rows_[a], rows_[b]) < 0; });
    std::vector<Row> sorted;
    sorted.reserve(rows_.capacity());
    std::vector<int> newIndex(rows_.size());
    for (size_t i = 0; i < order.size(); ++i) {
        newIndex[order[i]] = static_cast<int>(i);
        sorted.push_back(std::move(rows_[order[i]]));
    }
    rows_ = std::move(sorted);
    if (focused_ >= 0) focused_ = newIndex[focused_];
    if (editing_ >= 0) editing_ = newIndex[editing_];
    showReset();
}

void ListView::customSort(int data) {
    if (onCompare) {
        sort([&](const Row& a, const Row& b) {
            int result = 0;
            onCompare(a, b, data, result);
            return result;
        });
    } else {
        sort([](const Row& a, const Row& b) { return a.caption.compare(b.caption); });
    }
}

// --- user input --------------------------------------------------------------------

void ListView::fireSelected(int row, bool selected) {
    if (onSelectItem) application().dispatch([&] { onSelectItem(row, selected); });
    fireChange();
}

void ListView::fireChange() {
    if (onChange) application().dispatch(onChange);
}

void ListView::userSetSelected(int row, bool selected) {
    if (row < 0 || row >= rowCount() || rows_[row].selected == selected) return;
    changeSelected(row, selected);
    fireSelected(row, selected);
}

void ListView::userSetSelectedRange(int first, int last, bool selected) {
    first = std::max(first, 0);
    last = std::min(last, rowCount() - 1);
    // Handlers may delete rows: each step looks at the list as it is then.
    for (int i = first; i <= last && i < rowCount(); ++i) userSetSelected(i, selected);
}

void ListView::userFocus(int row) {
    if (row >= -1 && row < rowCount()) setItemFocused(row);
}

void ListView::userSelect(int row, ShiftState shift) {
    if (!enabled() || row >= rowCount()) return;
    if (row < 0) {
        if (!shift.ctrl) userSetSelectedRange(0, rowCount() - 1, false);
        return;
    }
    if (multiSelect_ && shift.ctrl && !shift.shift) {
        userFocus(row);
        userSetSelected(row, !rows_[row].selected);
        return;
    }
    int first = row, last = row;
    if (multiSelect_ && shift.shift && focused_ >= 0) {
        first = std::min(focused_, row);
        last = std::max(focused_, row);
    }
    // Others lose the selection before the clicked rows gain it, as Windows reports it.
    for (int i = nextSelected(-1); i >= 0; i = nextSelected(i))
        if (i < first || i > last) userSetSelected(i, false);
    if (!(multiSelect_ && shift.shift)) userFocus(row);
    userSetSelectedRange(first, last, true);
}

void ListView::userCheckRow(int row, bool checked) {
    if (!enabled() || row < 0 || row >= rowCount() || rows_[row].checked == checked) return;
    rows_[row].checked = checked;
    showRows(row, row);
    if (onItemChecked) application().dispatch([&] { onItemChecked(row); });
    fireChange();
}

void ListView::userClickColumn(int column) {
    if (!enabled() || !columnClick_ || column < 0 || column >= columnCount()) return;
    if (onColumnClick) application().dispatch([&] { onColumnClick(column); });
}

void ListView::userResizeColumn(int column, int width) {
    if (column >= 0 && column < columnCount()) columns_[column].width = width;
}

bool ListView::userBeginEdit(int row) {
    if (!enabled() || readOnly_ || row < 0 || row >= rowCount()) return false;
    bool allow = true;
    if (onEditing) application().dispatch([&] { onEditing(row, allow); });
    if (!allow || row >= rowCount()) return false;
    editing_ = row;
    return true;
}

bool ListView::userEndEdit(const std::string& text) {
    const int row = editing_;
    editing_ = -1;
    if (row < 0 || row >= rowCount()) return false;
    std::string value = text;
    bool accept = true;
    if (onEdited) {
        // A handler that fails keeps the old caption.
        bool ran = false;
        application().dispatch([&] {
            onEdited(row, value, accept);
            ran = true;
        });
        accept = accept && ran;
    }
    if (!accept || row >= rowCount()) return false;
    rows_[row].caption = value;
    showRows(row, row);
    fireChange();
    return true;
}

void ListView::userCancelEdit() { editing_ = -1; }

void ListView::userMouseDown(MouseButton b, ShiftState s, int x, int y) {
    if (b == MouseButton::Right && enabled()) {
        const int row = rowAt(x, y);
        if (row >= 0 && !rows_[row].selected) userSelect(row);
    }
    Control::userMouseDown(b, s, x, y);
}

}  // namespace sv::ui
