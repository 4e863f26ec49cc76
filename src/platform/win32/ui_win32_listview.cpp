// List views and image lists. The list view window is virtual (LVS_OWNERDATA):
// it keeps no rows and asks the control for what it draws, so setting 100,000
// rows costs one item count. Check marks come from the control through the
// state-image callback; the selection and focus, which a virtual list keeps
// itself, are mirrored both ways.
#include <windows.h>
#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <cstring>

#include "platform/ui/imagelist.h"
#include "platform/ui/listview.h"
#include "platform/win32/text.h"
#include "platform/win32/ui_win32_peer.h"

namespace sv::win32 {
namespace {

// --- image lists ---------------------------------------------------------------------

// The HIMAGELIST of an image list, made when a window first shows its pictures
// and kept in step with every change after that.
class ImageListPeer : public ui::Peer {
public:
    explicit ImageListPeer(ui::ImageList& list) : list_(list) {
        handle_ = ImageList_Create(list.imageWidth(), list.imageHeight(), ILC_COLOR32 | ILC_MASK, 16, 16);
        sync();
    }
    ~ImageListPeer() override {
        if (handle_) ImageList_Destroy(handle_);
    }
    void changed(ui::Prop) override { sync(); }
    HIMAGELIST handle() const { return handle_; }

private:
    void sync() {
        if (!handle_ || seen_ == list_.revision()) return;
        // Appending is the common change (an icon per new row); anything else
        // rebuilds the pictures in the same handle, which the windows keep.
        const bool onlyAppended = list_.count() - shown_ == static_cast<int>(list_.revision() - seen_) && list_.count() > shown_;
        if (!onlyAppended) {
            ImageList_RemoveAll(handle_);
            shown_ = 0;
        }
        for (; shown_ < list_.count(); ++shown_) addImage(shown_);
        seen_ = list_.revision();
    }

    void addImage(int index) {
        const int w = list_.imageWidth(), h = list_.imageHeight();
        const ui::Bitmap& b = list_.image(index);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = w;
        info.bmiHeader.biHeight = -h;  // top-down, as the pixels are stored
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        HBITMAP color = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        // The mask: one bit per pixel, rows padded to 16 bits, 1 = see-through.
        const int stride = ((w + 15) / 16) * 2;
        std::vector<BYTE> maskBits(static_cast<size_t>(stride) * h, 0);
        if (color && bits) {
            auto* out = static_cast<uint32_t*>(bits);
            for (int y = 0; y < h; ++y) {
                for (int x = 0; x < w; ++x) {
                    const size_t i = static_cast<size_t>(y) * w + x;
                    if (list_.transparentAt(index, x, y)) {
                        out[i] = 0;  // black under the mask, so that drawing through it leaves the background
                        maskBits[static_cast<size_t>(y) * stride + x / 8] |= static_cast<BYTE>(0x80 >> (x % 8));
                    } else {
                        out[i] = 0xFF000000u | (b.pixels[i] & 0xFFFFFF);
                    }
                }
            }
        }
        HBITMAP mask = CreateBitmap(w, h, 1, 1, maskBits.data());
        ImageList_Add(handle_, color, mask);
        if (color) DeleteObject(color);
        if (mask) DeleteObject(mask);
    }

    ui::ImageList& list_;
    HIMAGELIST handle_ = nullptr;
    uint64_t seen_ = ~uint64_t{0};
    int shown_ = 0;
};

}  // namespace

HIMAGELIST imageListHandle(ui::ImageList* list) {
    if (!list) return nullptr;
    if (!list->peer()) list->attachPeer(std::make_unique<ImageListPeer>(*list));
    auto* peer = dynamic_cast<ImageListPeer*>(list->peer());
    return peer ? peer->handle() : nullptr;
}

namespace {

// --- list views ----------------------------------------------------------------------

int columnFormat(ui::Alignment a) {
    switch (a) {
    case ui::Alignment::Right: return LVCFMT_RIGHT;
    case ui::Alignment::Center: return LVCFMT_CENTER;
    default: return LVCFMT_LEFT;
    }
}

constexpr DWORD kStyleBits = LVS_TYPEMASK | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_EDITLABELS | LVS_NOCOLUMNHEADER |
                             LVS_NOSORTHEADER;
constexpr DWORD kExStyleBits = LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_DOUBLEBUFFER |
                               LVS_EX_LABELTIP;

DWORD listStyle(const ui::ListView& lv) {
    DWORD s = lv.viewStyle() == ui::ViewStyle::Report ? LVS_REPORT : LVS_LIST;
    if (!lv.multiSelect()) s |= LVS_SINGLESEL;
    if (!lv.hideSelection()) s |= LVS_SHOWSELALWAYS;
    if (!lv.readOnly()) s |= LVS_EDITLABELS;
    if (!lv.showColumnHeaders()) s |= LVS_NOCOLUMNHEADER;
    if (!lv.columnClick()) s |= LVS_NOSORTHEADER;
    return s;
}

DWORD listExStyle(const ui::ListView& lv) {
    DWORD s = LVS_EX_DOUBLEBUFFER | LVS_EX_LABELTIP;
    if (lv.checkBoxes()) s |= LVS_EX_CHECKBOXES;
    if (lv.rowSelect()) s |= LVS_EX_FULLROWSELECT;
    if (lv.gridLines()) s |= LVS_EX_GRIDLINES;
    return s;
}

class ListViewPeer : public Win32Peer, public ui::ListViewObserver {
public:
    ListViewPeer(ui::ListView& lv, HWND hwnd) : Win32Peer(lv, hwnd), lv_(lv) {
        // Check marks are asked for like texts; selection and focus the window keeps.
        send(LVM_SETCALLBACKMASK, LVIS_STATEIMAGEMASK, 0);
        applyStyle();
        columnsChanged();
        reset();
    }

    // --- the control changed ---

    void changed(ui::Prop what) override {
        switch (what) {
        case ui::Prop::Style: applyStyle(); break;
        case ui::Prop::Content: reset(); break;
        default: Win32Peer::changed(what);
        }
    }

    void reset() override {
        Mirroring quiet(*this);
        // Without redrawing, the window's walk over every row to clear or set
        // the selection costs little; one repaint follows.
        send(WM_SETREDRAW, FALSE, 0);
        const int n = lv_.rowCount();
        send(LVM_SETITEMCOUNT, n, LVSICF_NOSCROLL);
        LVITEMW state{};
        state.stateMask = LVIS_SELECTED;
        send(LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
        if (n > 0 && lv_.selCount() == n) {
            state.state = LVIS_SELECTED;
            send(LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
        } else {
            for (int i = lv_.nextSelected(-1); i >= 0; i = lv_.nextSelected(i)) pushState(i);
        }
        const int focused = static_cast<int>(send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
        if (focused >= 0 && focused != lv_.itemFocused()) pushState(focused);
        if (lv_.itemFocused() >= 0) pushState(lv_.itemFocused());
        send(WM_SETREDRAW, TRUE, 0);
        InvalidateRect(hwnd(), nullptr, TRUE);
    }

    void rowsChanged(int first, int last) override {
        if (last < first) return;
        send(LVM_REDRAWITEMS, first, last);
    }

    void rowsAppended(int) override {
        Mirroring quiet(*this);
        send(LVM_SETITEMCOUNT, lv_.rowCount(), LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
    }

    void rowDeleted(int index) override {
        Mirroring quiet(*this);
        // The window moves its selection up past the deleted row itself.
        send(LVM_DELETEITEM, index, 0);
        if (static_cast<int>(send(LVM_GETITEMCOUNT, 0, 0)) != lv_.rowCount()) {
            reset();
            return;
        }
        const int focused = static_cast<int>(send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
        if (focused != lv_.itemFocused()) {
            if (focused >= 0) pushState(focused);
            if (lv_.itemFocused() >= 0) pushState(lv_.itemFocused());
        }
    }

    void rowStateChanged(int row) override {
        Mirroring quiet(*this);
        pushState(row);
    }

    void columnsChanged() override {
        const int wanted = lv_.columnCount();
        for (int i = 0; i < wanted; ++i) {
            const ui::ListColumn& c = lv_.column(i);
            std::wstring caption = widen(c.caption);
            LVCOLUMNW col{};
            col.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH | LVCF_SUBITEM;
            col.fmt = columnFormat(c.alignment);
            col.cx = c.width >= 0 ? c.width : 50;
            col.pszText = caption.data();
            col.iSubItem = i;
            send(i < shownColumns_ ? LVM_SETCOLUMNW : LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&col));
            if (c.width == ui::kWidthOfContents) send(LVM_SETCOLUMNWIDTH, i, LVSCW_AUTOSIZE);
            else if (c.width == ui::kWidthOfHeader) send(LVM_SETCOLUMNWIDTH, i, LVSCW_AUTOSIZE_USEHEADER);
        }
        for (int i = shownColumns_ - 1; i >= wanted; --i) send(LVM_DELETECOLUMN, i, 0);
        shownColumns_ = wanted;
    }

    void scrollIntoView(int row) override { send(LVM_ENSUREVISIBLE, row, FALSE); }

    int rowAt(int x, int y) override {
        LVHITTESTINFO hit{};
        hit.pt = {x, y};
        const int row = static_cast<int>(send(LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
        return row >= 0 && row < lv_.rowCount() && (hit.flags & LVHT_ONITEM) ? row : -1;
    }

    // --- the window reports ---

    LRESULT onNotify(NMHDR* header, bool& handled) override {
        handled = true;
        switch (header->code) {
        case LVN_GETDISPINFOW:
            fillDisplayInfo(reinterpret_cast<NMLVDISPINFOW*>(header)->item);
            return 0;
        case LVN_ODFINDITEMW:
            return findItem(*reinterpret_cast<NMLVFINDITEMW*>(header));
        case LVN_ITEMCHANGED:
            if (!mirroring_) stateChanged(*reinterpret_cast<NMLISTVIEW*>(header));
            return 0;
        case LVN_ODSTATECHANGED: {
            auto* range = reinterpret_cast<NMLVODSTATECHANGE*>(header);
            if (!mirroring_ && ((range->uOldState ^ range->uNewState) & LVIS_SELECTED))
                lv_.userSetSelectedRange(range->iFrom, range->iTo, (range->uNewState & LVIS_SELECTED) != 0);
            return 0;
        }
        case LVN_COLUMNCLICK:
            lv_.userClickColumn(reinterpret_cast<NMLISTVIEW*>(header)->iSubItem);
            return 0;
        case LVN_BEGINLABELEDITW:
            // TRUE refuses the edit.
            return lv_.userBeginEdit(reinterpret_cast<NMLVDISPINFOW*>(header)->item.iItem) ? FALSE : TRUE;
        case LVN_ENDLABELEDITW: {
            const LVITEMW& item = reinterpret_cast<NMLVDISPINFOW*>(header)->item;
            if (item.pszText) lv_.userEndEdit(narrowZ(item.pszText));
            else lv_.userCancelEdit();
            // The control holds the caption; the window only redraws it.
            if (item.iItem >= 0 && item.iItem < lv_.rowCount()) rowsChanged(item.iItem, item.iItem);
            return FALSE;
        }
        case LVN_KEYDOWN: {
            // A virtual list does not toggle check marks itself.
            if (reinterpret_cast<NMLVKEYDOWN*>(header)->wVKey == VK_SPACE && lv_.checkBoxes()) {
                const int row = lv_.itemFocused() >= 0 ? lv_.itemFocused() : lv_.itemIndex();
                if (row >= 0) lv_.userCheckRow(row, !lv_.row(row).checked);
            }
            return 0;
        }
        case NM_CLICK:
            control().click();
            return 0;
        default:
            handled = false;
            return 0;
        }
    }

    bool onMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override {
        switch (msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: {
            const int row = stateIconAt(GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
            if (row < 0) return false;
            // A click on a check box toggles it (a virtual list leaves that to
            // us) and neither selects the row nor counts as a double click.
            SetFocus(hwnd());
            lv_.userCheckRow(row, !lv_.row(row).checked);
            result = 0;
            return true;
        }
        case WM_RBUTTONDOWN:
            // The window's own handling waits in a loop for the release, watching
            // for a drag we never use; handled here, the release stays an
            // ordinary message. The control selects the row under the pointer.
            SetFocus(hwnd());
            lv_.userMouseDown(ui::MouseButton::Right, currentShiftState(), GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
            result = 0;
            return true;
        case WM_RBUTTONUP: {
            const HWND self = hwnd();
            result = DefSubclassProc(self, msg, wp, lp);
            if (fromHandle(self) == this)
                lv_.userMouseUp(ui::MouseButton::Right, currentShiftState(), GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
            return true;
        }
        case WM_NOTIFY: {
            // Column widths the user drags are the control's widths.
            auto* header = reinterpret_cast<NMHDR*>(lp);
            if (header->hwndFrom == reinterpret_cast<HWND>(send(LVM_GETHEADER, 0, 0)) &&
                (header->code == HDN_ENDTRACKW || header->code == HDN_ITEMCHANGEDW)) {
                auto* nm = reinterpret_cast<NMHEADERW*>(header);
                if (nm->pitem && (nm->pitem->mask & HDI_WIDTH)) lv_.userResizeColumn(nm->iItem, nm->pitem->cxy);
            }
            return false;
        }
        default:
            return false;
        }
    }

    bool keepsKey(const MSG& msg) override {
        // Keys typed into an open caption editor are the editor's.
        HWND edit = reinterpret_cast<HWND>(send(LVM_GETEDITCONTROL, 0, 0));
        return edit && (msg.hwnd == edit || IsChild(edit, msg.hwnd));
    }

private:
    // Changes pushed into the window come back as notifications: those are ours.
    struct Mirroring {
        explicit Mirroring(ListViewPeer& p) : peer(p), was(p.mirroring_) { p.mirroring_ = true; }
        ~Mirroring() { peer.mirroring_ = was; }
        ListViewPeer& peer;
        bool was;
    };

    LRESULT send(UINT msg, WPARAM wp, LPARAM lp) { return SendMessageW(hwnd(), msg, wp, lp); }

    void pushState(int row) {
        if (row < 0 || row >= lv_.rowCount()) return;
        LVITEMW item{};
        item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        item.state = (lv_.row(row).selected ? LVIS_SELECTED : 0) | (lv_.itemFocused() == row ? LVIS_FOCUSED : 0);
        send(LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
    }

    void applyStyle() {
        const DWORD old = static_cast<DWORD>(GetWindowLongW(hwnd(), GWL_STYLE));
        const DWORD style = (old & ~kStyleBits) | listStyle(lv_);
        if (style != old) {
            SetWindowLongW(hwnd(), GWL_STYLE, static_cast<LONG>(style));
            SetWindowPos(hwnd(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        }
        send(LVM_SETEXTENDEDLISTVIEWSTYLE, kExStyleBits, listExStyle(lv_));
        send(LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(imageListHandle(lv_.smallImages())));
        InvalidateRect(hwnd(), nullptr, TRUE);
    }

    void fillDisplayInfo(LVITEMW& item) {
        if (item.iItem < 0 || item.iItem >= lv_.rowCount()) return;
        const ui::ListRow& row = lv_.row(item.iItem);
        if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0) {
            const std::wstring text = widen(row.text(item.iSubItem));
            const size_t n = std::min(text.size(), static_cast<size_t>(item.cchTextMax - 1));
            std::memcpy(item.pszText, text.data(), n * sizeof(wchar_t));
            item.pszText[n] = L'\0';
        }
        if (item.mask & LVIF_IMAGE) item.iImage = item.iSubItem == 0 ? row.imageIndex : -1;
        if (item.mask & LVIF_STATE) {
            item.state &= ~LVIS_STATEIMAGEMASK;
            // State image 1 is the empty box, 2 the checked one; 0 shows none.
            if (lv_.checkBoxes()) item.state |= INDEXTOSTATEIMAGEMASK(row.checked ? 2 : 1);
            item.stateMask |= LVIS_STATEIMAGEMASK;
        }
    }

    // Typing the start of a caption jumps to the next row that starts with it.
    LRESULT findItem(const NMLVFINDITEMW& find) {
        if (!(find.lvfi.flags & (LVFI_STRING | LVFI_PARTIAL)) || !find.lvfi.psz) return -1;
        const std::string wanted = narrowZ(find.lvfi.psz);
        const int n = lv_.rowCount();
        if (n == 0 || wanted.empty()) return -1;
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        const int start = find.iStart >= 0 && find.iStart < n ? find.iStart : 0;
        for (int k = 0; k < n; ++k) {
            const int i = (start + k) % n;
            if (k > 0 && i == 0 && !(find.lvfi.flags & LVFI_WRAP)) break;
            const std::string& caption = lv_.row(i).caption;
            if (caption.size() < wanted.size()) continue;
            bool same = true;
            for (size_t c = 0; c < wanted.size() && same; ++c) same = lower(caption[c]) == lower(wanted[c]);
            if (same && (!(find.lvfi.flags & LVFI_STRING) || (find.lvfi.flags & LVFI_PARTIAL) || caption.size() == wanted.size()))
                return i;
        }
        return -1;
    }

    // A state change the user made: the control hears it first, then fires.
    void stateChanged(const NMLISTVIEW& nm) {
        if (!(nm.uChanged & LVIF_STATE)) return;
        const UINT diff = nm.uOldState ^ nm.uNewState;
        if (diff & LVIS_FOCUSED) {
            if (nm.uNewState & LVIS_FOCUSED) lv_.userFocus(nm.iItem);
            else if (nm.iItem < 0 || lv_.itemFocused() == nm.iItem) lv_.userFocus(-1);
        }
        if (diff & LVIS_SELECTED) {
            const bool on = (nm.uNewState & LVIS_SELECTED) != 0;
            if (nm.iItem < 0) lv_.userSetSelectedRange(0, lv_.rowCount() - 1, on);
            else lv_.userSetSelected(nm.iItem, on);
        }
    }

    int stateIconAt(int x, int y) {
        if (!lv_.checkBoxes()) return -1;
        LVHITTESTINFO hit{};
        hit.pt = {x, y};
        const int row = static_cast<int>(send(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
        return row >= 0 && row < lv_.rowCount() && (hit.flags & LVHT_ONITEMSTATEICON) ? row : -1;
    }

    ui::ListView& lv_;
    int shownColumns_ = 0;
    bool mirroring_ = false;
};

}  // namespace

void installListViewPeers() {
    registerPeerFactory("listview", [](ui::Control& c, HWND parent) -> std::unique_ptr<Win32Peer> {
        auto& lv = static_cast<ui::ListView&>(c);
        HWND h = createChildWindow(WC_LISTVIEWW, listStyle(lv) | LVS_OWNERDATA | LVS_SHAREIMAGELISTS | WS_CLIPCHILDREN,
                                   WS_EX_CLIENTEDGE, c, parent);
        return h ? std::make_unique<ListViewPeer>(lv, h) : nullptr;
    });
}

}  // namespace sv::win32
