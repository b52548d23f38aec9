#pragma once
// A plain model of the editor's editing core: the document as a vector, the
// cursor's offset and digit, the active pane and view, the visible rows and
// the selection's far end, each changed by a step's own simple rule.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <utility>
#include <set>
#include <vector>

#include "editor/EditorCore.h"
#include "view/Scrolling.h"

namespace editingmodel {

inline constexpr int bytesPerRow = 16;
inline constexpr int pageRows = 25;
inline constexpr int charWidth = 8;
inline constexpr int lineHeight = 16;

struct ViewRows {
    std::int32_t first = 0;
    std::int32_t last = 0; // exclusive
};

using Bytes = std::vector<std::uint8_t>;

// A digit of the view: 0..15 in hex, 0..7 in octal; -1 for anything else.
inline int digitValue(char c, bool octal)
{
    const std::string digits = octal ? "01234567" : "0123456789abcdef";
    const char lower = c >= 'A' && c <= 'F' && !octal ? static_cast<char>(c - 'A' + 'a') : c;
    const std::size_t at = lower == '\0' ? std::string::npos : digits.find(lower);
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

// The byte with one digit of its hex or octal number replaced. The first
// octal digit holds two bits, so larger values count as 3.
inline std::uint8_t withDigit(std::uint8_t byte, int digit, int value, bool octal)
{
    if (!octal) {
        const int high = digit == 0 ? value : byte / 16;
        const int low = digit == 0 ? byte % 16 : value;
        return static_cast<std::uint8_t>(high * 16 + low);
    }
    int digits[3] = {byte / 64, byte / 8 % 8, byte % 8};
    digits[std::min(digit, 2)] = digit == 0 ? std::min(value, 3) : value;
    return static_cast<std::uint8_t>(digits[0] * 64 + digits[1] * 8 + digits[2]);
}

// A byte's number as the view writes it: two lowercase hex or three octal digits.
inline std::string numberDigits(std::uint8_t byte, bool octal)
{
    char text[8];
    if (octal) {
        std::snprintf(text, sizeof text, "%03o", static_cast<unsigned>(byte));
    } else {
        std::snprintf(text, sizeof text, "%02x", static_cast<unsigned>(byte));
    }
    return text;
}

struct EditingModel {
    Bytes bytes;
    std::int32_t cursor = 0;
    int digit = 0;
    bool asciiPane = false;
    bool octal = false;
    bool insertMode = false;
    std::set<std::int32_t> marks; // the bookmarked offsets
    Bytes compared;               // the other file of a comparison, as read
    bool selected = false;
    ScreenCell selectionEnd;
    ViewRows view;

    std::int32_t size() const { return static_cast<std::int32_t>(bytes.size()); }
    std::int32_t rows() const { return bytes.empty() ? 0 : size() / bytesPerRow + 1; }
    int lastDigit() const { return octal ? 2 : 1; }
    std::int32_t row() const { return cursor / bytesPerRow; }

    // --- the visible rows ---
    // The row at the top as far as the data allows: the last page when the row lies within it.
    void scrollToRow(std::int32_t top)
    {
        const std::int32_t lastPageTop = std::max(rows() - pageRows, 0);
        top = std::max(top, 0);
        top = top >= rows() ? lastPageTop : top;
        view = top + pageRows > rows() ? ViewRows{lastPageTop, rows()} : ViewRows{top, top + pageRows};
    }
    void recentre() { view = {row(), row() + pageRows}; }
    void shiftView(std::int32_t by) { view = {view.first + by, view.last + by}; }
    // The moves first bring the cursor into view; the unpainted row view.last counts as in view.
    void bringIntoView()
    {
        if (row() < view.first || row() > view.last) {
            recentre();
        }
    }

    // --- the moves, scrolling by one row at the edges of the view ---
    void moveUp()
    {
        bringIntoView();
        if (row() == 0) {
            return;
        }
        if (row() == view.first) {
            shiftView(-1);
        }
        cursor -= bytesPerRow;
    }
    void moveDown()
    {
        bringIntoView();
        if (row() >= view.last || row() >= rows() - 1) {
            return;
        }
        if (row() == view.last - 1) {
            shiftView(1);
        }
        cursor += bytesPerRow; // onto a short last row this passes the end
    }
    void moveLeft()
    {
        bringIntoView();
        if (cursor <= 0) {
            digit = 0;
            return;
        }
        if (row() == view.first && cursor % bytesPerRow == 0) {
            shiftView(-1);
        }
        --cursor;
    }
    void moveRight()
    {
        bringIntoView();
        if (cursor >= size()) {
            digit = asciiPane ? digit : lastDigit();
            return;
        }
        if (row() == view.last - 1 && cursor % bytesPerRow == bytesPerRow - 1) {
            shiftView(1);
        }
        ++cursor;
    }
    // The hex pane's Left and Right go digit by digit; true when they went
    // on to a byte move.
    bool moveLeftByDigit()
    {
        if (!asciiPane && digit > 0) {
            --digit;
            return false;
        }
        digit = asciiPane ? digit : lastDigit();
        moveLeft();
        return true;
    }
    bool moveRightByDigit()
    {
        if (!asciiPane && digit < lastDigit()) {
            ++digit;
            return false;
        }
        digit = 0;
        moveRight();
        return true;
    }

    // --- the mouse ---
    ScreenCell cellAt(Pane pane, int x, int y) const
    {
        const int cellWidth = pane == Pane::Ascii ? charWidth : (octal ? 4 : 3) * charWidth;
        const int column = pane == Pane::Ascii ? x / cellWidth - 1 : x / cellWidth;
        ScreenCell cell;
        cell.column = std::clamp(column, 0, bytesPerRow - 1);
        cell.row = std::max(std::min(y / lineHeight, view.last - 1), 0);
        return cell;
    }
    // Past the last byte the cursor goes to the end position.
    void click(Pane pane, int x, int y)
    {
        const ScreenCell cell = cellAt(pane, x, y);
        cursor = std::min((view.first + cell.row) * bytesPerRow + cell.column, size());
        asciiPane = pane == Pane::Ascii;
        if (pane == Pane::Hex) {
            selected = false;
        }
    }
    void drag(Pane pane, int x, int y)
    {
        selectionEnd = cellAt(pane, x, y);
        selected = true;
    }

    // --- typing overwrites the byte under the cursor; nothing at or past the end ---
    bool typeDigit(char c)
    {
        const int value = digitValue(c, octal);
        if (value < 0) {
            return false;
        }
        if (insertMode && digit == 0) {
            insertAtCursor({withDigit(0, 0, value, octal)});
            digit = 1;
            return true;
        }
        if (cursor < size()) {
            auto& b = bytes[static_cast<std::size_t>(cursor)];
            b = withDigit(b, digit, value, octal);
            if (digit < lastDigit()) {
                ++digit;
            } else {
                digit = 0;
                moveRight();
            }
        }
        return true;
    }
    bool typeCharacter(unsigned char c)
    {
        if (c < ' ' || c > '~') {
            return false;
        }
        if (insertMode) {
            insertAtCursor({c});
            moveRight();
            return true;
        }
        if (cursor < size()) {
            bytes[static_cast<std::size_t>(cursor)] = c;
            moveRight();
        }
        return true;
    }

    // --- the selection: from the cursor to its far end, both included, only bytes that exist ---
    // [first, last] of the selected bytes; none when last < first.
    std::pair<std::ptrdiff_t, std::ptrdiff_t> selectedRange() const
    {
        if (!selected) {
            return {0, -1};
        }
        const std::int32_t end = (view.first + selectionEnd.row) * bytesPerRow + selectionEnd.column;
        return {std::max(std::min(cursor, end), 0), std::min(std::max(cursor, end), size() - 1)};
    }
    Bytes selectedBytes() const
    {
        const auto [first, last] = selectedRange();
        return last < first ? Bytes() : Bytes(bytes.begin() + first, bytes.begin() + last + 1);
    }
    // Copy: the selected bytes' numbers, each with a blank, in the hex pane;
    // in the ASCII pane the bytes themselves up to the first zero.
    std::string copyText() const
    {
        const Bytes selection = selectedBytes();
        std::string text;
        for (const std::uint8_t b : selection) {
            if (asciiPane && b == 0) {
                break;
            }
            text += asciiPane ? std::string(1, static_cast<char>(b)) : numberDigits(b, octal) + " ";
        }
        return text;
    }
    // Delete: the selected bytes go, and the cursor steps one byte back from
    // where it stood. The view stays, unless that step takes the cursor back
    // over a row's start and above the view: then it starts at the cursor's row.
    void removeSelection()
    {
        if (!selected) {
            return;
        }
        const auto [first, last] = selectedRange();
        if (first <= last) {
            bytes.erase(bytes.begin() + first, bytes.begin() + last + 1);
            marksRemoved(static_cast<std::int32_t>(first), static_cast<std::int32_t>(last - first + 1));
        }
        const bool overRowStart = cursor % bytesPerRow == 0;
        cursor = std::max(cursor - 1, 0);
        if (overRowStart && row() < view.first) {
            recentre();
        }
        selected = false;
    }

    // --- insert mode: bytes go in before the cursor's byte (a cursor past the end appends) ---
    // The cursor on the new byte, the view fitted to the rows again.
    void insertAtCursor(const Bytes& inserted)
    {
        cursor = std::clamp(cursor, 0, size());
        bytes.insert(bytes.begin() + cursor, inserted.begin(), inserted.end());
        marksInserted(cursor, static_cast<std::int32_t>(inserted.size()));
        scrollToRow(view.first);
    }

    // --- bookmarks: each follows its byte; a removed byte's mark goes ---
    void marksInserted(std::int32_t at, std::int32_t count)
    {
        std::set<std::int32_t> moved;
        for (const std::int32_t mark : marks) {
            moved.insert(mark >= at ? mark + count : mark);
        }
        marks.swap(moved);
    }
    void marksRemoved(std::int32_t first, std::int32_t count)
    {
        std::set<std::int32_t> kept;
        for (const std::int32_t mark : marks) {
            if (mark < first || mark >= first + count) {
                kept.insert(mark >= first + count ? mark - count : mark);
            }
        }
        marks.swap(kept);
    }
    void toggleMark()
    {
        if (cursor < size() && marks.erase(cursor) == 0) {
            marks.insert(cursor);
        }
    }
    // Next or previous with wrapping; a mark on screen is gone to without scrolling.
    bool stepToMark(bool forward)
    {
        if (marks.empty()) {
            return false;
        }
        const auto after = marks.upper_bound(cursor);
        const auto at = marks.lower_bound(cursor);
        const std::int32_t mark = forward ? (after != marks.end() ? *after : *marks.begin())
                                          : (at != marks.begin() ? *std::prev(at) : *marks.rbegin());
        selected = false;
        digit = 0;
        cursor = mark;
        if (row() < view.first || row() >= view.last) {
            scrollToRow(row());
        }
        return true;
    }

    // --- paste writes over the document from the cursor on, never growing
    // it, or inserts in insert mode; returns how many bytes it left out ---
    std::int32_t paste(const Bytes& pasted)
    {
        std::int32_t written = static_cast<std::int32_t>(pasted.size());
        if (insertMode && !pasted.empty()) {
            insertAtCursor(pasted);
        } else if (!insertMode) {
            written = std::min(written, std::max(size() - cursor, 0));
            std::copy_n(pasted.begin(), written, bytes.begin() + std::min(cursor, size()));
        }
        cursor += written;
        // Below the view the cursor's row comes to the top.
        if (static_cast<std::int64_t>(cursor) > static_cast<std::int64_t>(view.last) * bytesPerRow) {
            scrollToRow(row());
        }
        return static_cast<std::int32_t>(pasted.size()) - written;
    }

    // A cursor past the end appends; every row that now exists is in view.
    void insertZeros(std::int32_t count)
    {
        const std::int32_t at = std::clamp(cursor, 0, size());
        bytes.insert(bytes.begin() + at, static_cast<std::size_t>(count), 0);
        marksInserted(at, count);
        scrollToRow(view.first);
    }

    // A new window over the same core: from the first row when the first
    // page shows the cursor's row, from the cursor's row otherwise.
    void newWindow() { scrollToRow(row() < pageRows ? 0 : row()); }

    // The frame's scroll requests; false, changing nothing, when a line or
    // page would pass the document's ends. Only top and bottom take the cursor along.
    bool scroll(ScrollRequest request, int position)
    {
        const std::int32_t r = rows();
        const ViewRows lastPage{std::max(r - pageRows, 0), r};
        bool taken = true;
        switch (request) {
        case ScrollRequest::lineUp:
            taken = view.first > 0;
            shiftView(taken ? -1 : 0);
            break;
        case ScrollRequest::lineDown:
            taken = view.last < r;
            shiftView(taken ? 1 : 0);
            break;
        case ScrollRequest::pageUp:
            taken = view.first - pageRows > 0;
            shiftView(taken ? -pageRows : 0);
            break;
        case ScrollRequest::pageDown:
            taken = view.last + pageRows < r;
            shiftView(taken ? pageRows : 0);
            break;
        case ScrollRequest::thumbPosition:
            break;
        case ScrollRequest::thumbTrack:
            view = position + pageRows > r ? lastPage : ViewRows{position, position + pageRows};
            break;
        case ScrollRequest::top:
            view = {0, std::min(pageRows, r)};
            cursor = 0;
            digit = 0;
            break;
        case ScrollRequest::bottom:
            view = lastPage;
            cursor = size();
            digit = 0;
            break;
        }
        return taken;
    }
};

} // namespace editingmodel
