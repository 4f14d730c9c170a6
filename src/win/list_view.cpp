#include "win/list_view.h"

#include <algorithm>

namespace horalo::win {

void ListView::AddExtendedStyle(DWORD style) {
    ListView_SetExtendedListViewStyleEx(handle_, style, style);
}

int ListView::TextWidth(const std::string& text) const {
    return static_cast<int>(SendMessageA(handle_, LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

void ListView::AddColumn(const std::string& header, int width) {
    const int index = Header_GetItemCount(ListView_GetHeader(handle_));
    LVCOLUMNA column{};
    column.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.fmt = LVCFMT_LEFT;
    column.cx = width;
    column.pszText = const_cast<char*>(header.c_str());
    column.iSubItem = index;
    SendMessageA(handle_, LVM_INSERTCOLUMNA, index, reinterpret_cast<LPARAM>(&column));
}

void ListView::StretchLastColumn(int smallest) {
    const int columns = Header_GetItemCount(ListView_GetHeader(handle_));
    if (columns <= 0) return;
    RECT client;
    GetClientRect(handle_, &client);
    int rest = client.right;
    for (int column = 0; column + 1 < columns; ++column) rest -= ListView_GetColumnWidth(handle_, column);
    ListView_SetColumnWidth(handle_, columns - 1, std::max(rest, smallest));
}

void ListView::SetSmallImages(HIMAGELIST images) { ListView_SetImageList(handle_, images, LVSIL_SMALL); }

int ListView::AddRow(std::span<const std::string> texts, LPARAM value, int image) {
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_PARAM | (image >= 0 ? LVIF_IMAGE : 0);
    item.iItem = Count();
    item.pszText = const_cast<char*>(texts.empty() ? "" : texts[0].c_str());
    item.lParam = value;
    item.iImage = image;
    const int row = static_cast<int>(SendMessageA(handle_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    if (row < 0) return row;
    for (std::size_t column = 1; column < texts.size(); ++column) {
        if (texts[column].empty()) continue;
        LVITEMA cell{};
        cell.iSubItem = static_cast<int>(column);
        cell.pszText = const_cast<char*>(texts[column].c_str());
        SendMessageA(handle_, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&cell));
    }
    return row;
}

void ListView::Clear() { ListView_DeleteAllItems(handle_); }

void ListView::SetRedraw(bool redraw) {
    SendMessageA(handle_, WM_SETREDRAW, redraw ? TRUE : FALSE, 0);
    if (redraw) InvalidateRect(handle_, nullptr, TRUE);
}

int ListView::Count() const { return ListView_GetItemCount(handle_); }

std::string ListView::Text(int row, int column) const {
    // A note may hold 256 characters; grow until the text fits.
    std::string text(128, '\0');
    for (;;) {
        LVITEMA item{};
        item.iSubItem = column;
        item.pszText = text.data();
        item.cchTextMax = static_cast<int>(text.size());
        const auto length = static_cast<std::size_t>(
            SendMessageA(handle_, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item)));
        if (length + 1 < text.size()) {
            text.resize(length);
            return text;
        }
        text.resize(text.size() * 2);
    }
}

LPARAM ListView::Value(int row) const {
    LVITEMA item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    return SendMessageA(handle_, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)) ? item.lParam : -1;
}

int ListView::Image(int row) const {
    LVITEMA item{};
    item.mask = LVIF_IMAGE;
    item.iItem = row;
    return SendMessageA(handle_, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)) ? item.iImage : -1;
}

int ListView::FindValue(LPARAM value) const {
    LVFINDINFOA find{};
    find.flags = LVFI_PARAM;
    find.lParam = value;
    return static_cast<int>(SendMessageA(handle_, LVM_FINDITEMA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)));
}

void ListView::EnsureVisible(int row) { ListView_EnsureVisible(handle_, row, FALSE); }

int ListView::TopRow() const { return ListView_GetTopIndex(handle_); }

void ListView::ScrollToTop(int row) {
    const int count = Count();
    if (row <= 0 || count == 0) return;
    EnsureVisible(count - 1);
    EnsureVisible(row < count ? row : count - 1);
}

int ListView::SelectedCount() const { return static_cast<int>(ListView_GetSelectedCount(handle_)); }

std::vector<int> ListView::SelectedRows() const {
    std::vector<int> rows;
    for (int row = ListView_GetNextItem(handle_, -1, LVNI_SELECTED); row >= 0;
         row = ListView_GetNextItem(handle_, row, LVNI_SELECTED))
        rows.push_back(row);
    return rows;
}

void ListView::Select(int row, bool selected) {
    ListView_SetItemState(handle_, row, selected ? LVIS_SELECTED : 0, LVIS_SELECTED);
}

void ListView::Focus(int row) { ListView_SetItemState(handle_, row, LVIS_FOCUSED, LVIS_FOCUSED); }

int ListView::FocusedRow() const { return ListView_GetNextItem(handle_, -1, LVNI_FOCUSED); }

}  // namespace horalo::win
