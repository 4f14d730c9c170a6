#pragma once
// A report-view list control of a dialog: columns, rows with texts, an
// image and an item value, selection and focus.
#include <windows.h>
#include <commctrl.h>

#include <span>
#include <string>
#include <vector>

namespace horalo::win {

class ListView {
public:
    ListView() = default;
    explicit ListView(HWND handle) : handle_(handle) {}
    HWND Handle() const { return handle_; }

    void AddExtendedStyle(DWORD style);
    // The width of a text in the control's own font, in pixels.
    int TextWidth(const std::string& text) const;
    // Appends a left-aligned column; its subitem is its index.
    void AddColumn(const std::string& header, int width);
    // Gives the last column what the others leave of the list's width, but
    // never less than `smallest`.
    void StretchLastColumn(int smallest);
    // Takes the list and deletes it with the control.
    void SetSmallImages(HIMAGELIST images);

    // Appends a row; returns its index, -1 on failure. The texts beyond the
    // first go into columns 1, 2, …; image -1 means none.
    int AddRow(std::span<const std::string> texts, LPARAM value, int image = -1);
    void Clear();
    // Stops and resumes redrawing around a fill of many rows.
    void SetRedraw(bool redraw);

    int Count() const;
    std::string Text(int row, int column) const;
    LPARAM Value(int row) const;
    int Image(int row) const;
    // The first row with this item value, or -1.
    int FindValue(LPARAM value) const;
    void EnsureVisible(int row);
    // The first row in view; scrolling to one makes it the first in view as
    // far as the rows below it allow.
    int TopRow() const;
    void ScrollToTop(int row);

    int SelectedCount() const;
    std::vector<int> SelectedRows() const;
    // Sets or clears the selected state of a row (-1: every row).
    void Select(int row, bool selected);
    // Gives a row the focus state (the row that keyboard commands act on).
    void Focus(int row);
    // The row with the focus state, or -1.
    int FocusedRow() const;

private:
    HWND handle_ = nullptr;
};

}  // namespace horalo::win
