// ondrix_inspect: reads the windows of the display from outside their process, for the end-to-end
// roads. It never sends a command or an input to a window: what it reports is what a user sees.
//
//   ondrix_inspect dump [DEPTH|seen]        every visible top-level window and its descendants
//                                           (down to DEPTH levels below it, without items; seen:
//                                           with only the items scrolled into view)
//   ondrix_inspect wait SECONDS REGEX...    polls the dump until every REGEX matches a line (exit 0,
//                                           printing the first line each matched), else exit 1
//   ondrix_inspect gone SECONDS REGEX       polls the dump until no line matches REGEX
//   ondrix_inspect shot FILE.bmp            the whole screen as a 24-bit BMP file
//   ondrix_inspect pixels L T W H RRGGBB    "X Y" of every point of that colour in the rectangle
//   ondrix_inspect clipboard                the clipboard's text as it stands (exit 1 when it holds
//                                           none), for what a user copied out of a grid
//   ondrix_inspect clipboard empty          empties the clipboard, so that a copy that fails shows
//   ondrix_inspect image SECONDS REGEX FILE.bmp
//                                           polls until the first window whose dump line matches
//                                           REGEX shows the 24-bit picture FILE.bmp on the screen at
//                                           its top-left corner (all but 1% of its points the same),
//                                           exit 0; else exit 1, printing how much of it was seen
//   ondrix_inspect shows SECONDS REGEX menu TEXT
//                                           polls until the first window whose dump line matches
//                                           REGEX shows TEXT somewhere in it as the system draws it
//                                           in Unicode on one line in the menu font of the non-client
//                                           metrics, in the menu's text colour on its background
//                                           (every point of the text's box the same), exit 0; else
//                                           exit 1. TEXT comes in as the command line's Unicode, so
//                                           letters outside the program's code page compare too;
//                                           "&" underlines the next letter, as in a menu
//   ondrix_inspect shows SECONDS REGEX selected TEXT
//                                           the same in the colours of a menu's selected item: which
//                                           of an open menu's items Return would choose
//   ondrix_inspect cover L T W H RRGGBB SECONDS [REGEX]
//                                           puts a window of that colour over the rectangle, above
//                                           every other, and takes it away after SECONDS (or, with
//                                           REGEX, as soon as a line of the dump matches it): what a
//                                           user does who lays a window over another for a while
//   ondrix_inspect answers SECONDS REGEX    sends the first top-level window whose dump line matches
//                                           a message that does nothing; exit 0 when its thread
//                                           took it within SECONDS (the program is not stuck)
//   ondrix_inspect focus                    where the keyboard and the mouse go: the lines
//                                           "foreground: LINE", "active: LINE" and "focus: LINE" (the
//                                           window's dump line, or "none"; [disabled] also when a
//                                           window it lies in is; a child's top-level window follows
//                                           as "focus in: LINE"), "capture: LINE" while a window holds
//                                           the mouse, "mode: menu" while a menu takes the input,
//                                           "mode: move or size", and "work: running" while the
//                                           program runs long work (a read, a solve) on a thread
//   ondrix_inspect at X Y                   what a click there reaches: "at: LINE" (the window the
//                                           system gives the mouse there), "at item: ..." (the list
//                                           item or tree node under it), "at in: LINE" (its top-level
//                                           window)
//   ondrix_inspect other TITLE L T W H [hidden-focus]
//                                           shows the window of another program (an edit box that
//                                           takes the focus when it is activated, never closed) until
//                                           the process is ended; hidden-focus: it gives
//                                           the focus to a hidden window instead, the fault that a
//                                           road's check of the focus must catch
//   ondrix_inspect caption REGEX            the caption of the first top-level window whose dump
//                                           line matches REGEX, in UTF-8 (the dump shows captions in
//                                           the code page, which lacks letters of some file names)
//   ondrix_inspect serve [FILE]             takes the commands above (but other) from the standard
//                                           input, a line each with tabs between the arguments, and
//                                           ends what each prints with the line "=end CODE" (with
//                                           FILE, what each prints goes into FILE and the standard
//                                           output has the "=end" lines alone): for a road that asks
//                                           after every step
//
// One line per window, indented two spaces a level:
//   CLASS "TEXT" id=ID at=LEFT,TOP,WIDTHxHEIGHT [client=L,T,WxH] [hidden] [disabled] [minimized]
//                                  (client=: list and tree views, where their lines show: the window
//                                   less its frame and scroll bars, on the screen)
// then, under list views, tree views, headers, list and combo boxes, their items (each with [hidden]
// at its end when its control does not show):
//   item N: "COLUMN 0" "COLUMN 1" ... [at=L,T,WxH] [selected]
//                                  (list view, with the item's place on the screen; list and combo
//                                   boxes: one column, no place)
//   node LEVEL: "TEXT" [at=L,T,WxH] [selected]       (tree view, depth first, indented by level;
//                                                     the place of its label while it is scrolled
//                                                     into view)
//   column N: "TEXT" at=L,T,WxH [text=W]             (header, as a list view's columns show: the
//                                                     place of column N's heading, whose width is
//                                                     the column's; under a list view W is the
//                                                     width of the column's widest text, heading
//                                                     and items, as the list measures it without
//                                                     margins)
// A tool tip's line shows as its text the text of the tool it shows.
// Texts are shown with '\n', '\t' and '\\' escaped, so that a regular expression sees one line.
//
// Items of list and tree views live in the other process: a buffer is allocated there, the control
// fills it, and it is read back (the control messages carry pointers that only that process knows).
// Not done: the items of menus. Wine keeps a menu's items in the process that made it, so an open
// popup shows here as its window alone; the roads check a grey command by its having no effect.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <regex>
#include <string>
#include <vector>

namespace {

const UINT kTimeoutMs = 2000;

// Where the commands print what they find: the standard output, or the file that serve names.
FILE* g_out = stdout;

std::string Escaped(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else if (c == '\t')
            out += "\\t";
        else if (c == '\\')
            out += "\\\\";
        else
            out += c;
    }
    return out;
}

std::string Quoted(const std::string& text)
{
    return "\"" + Escaped(text) + "\"";
}

std::string ClassOf(HWND hwnd)
{
    char name[256] = {};
    ::GetClassNameA(hwnd, name, sizeof name);
    return name;
}

// The window's text: the caption the system keeps for every window (no message reaches the window),
// and for an edit box its contents as its own process answers WM_GETTEXT.
std::string TextOf(HWND hwnd, const std::string& cls)
{
    std::vector<char> buffer(65536, 0);
    if (cls != "Edit") {
        WCHAR caption[4096] = {};
        ::InternalGetWindowText(hwnd, caption, 4096);
        ::WideCharToMultiByte(CP_ACP, 0, caption, -1, buffer.data(), int(buffer.size()) - 1, nullptr, nullptr);
        return buffer.data();
    }
    DWORD_PTR copied = 0;
    ::SendMessageTimeoutA(hwnd, WM_GETTEXT, buffer.size() - 1, LPARAM(buffer.data()), SMTO_ABORTIFHUNG, kTimeoutMs,
                          &copied);
    return buffer.data();
}

LRESULT Send(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    DWORD_PTR result = 0;
    if (!::SendMessageTimeoutA(hwnd, msg, wParam, lParam, SMTO_ABORTIFHUNG, kTimeoutMs, &result))
        return 0;
    return LRESULT(result);
}

// A block of memory inside the process of a window, freed when it goes.
class RemoteBuffer {
public:
    RemoteBuffer(HWND hwnd, SIZE_T size) : m_size(size)
    {
        DWORD pid = 0;
        ::GetWindowThreadProcessId(hwnd, &pid);
        m_process = ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
        if (m_process != nullptr)
            m_address = ::VirtualAllocEx(m_process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    }
    ~RemoteBuffer()
    {
        if (m_address != nullptr)
            ::VirtualFreeEx(m_process, m_address, 0, MEM_RELEASE);
        if (m_process != nullptr)
            ::CloseHandle(m_process);
    }
    bool Valid() const { return m_address != nullptr; }
    char* At(SIZE_T offset) const { return static_cast<char*>(m_address) + offset; }
    bool Write(SIZE_T offset, const void* data, SIZE_T size) const
    {
        return ::WriteProcessMemory(m_process, At(offset), data, size, nullptr) != 0;
    }
    bool Read(SIZE_T offset, void* data, SIZE_T size) const
    {
        return ::ReadProcessMemory(m_process, At(offset), data, size, nullptr) != 0;
    }

private:
    HANDLE m_process = nullptr;
    void* m_address = nullptr;
    SIZE_T m_size;
};

const SIZE_T kTextOffset = 256; // the item record first, its text after it
const SIZE_T kTextSize = 1024;

std::string ListViewText(HWND hwnd, const RemoteBuffer& remote, int item, int column)
{
    LVITEMA record = {};
    record.iSubItem = column;
    record.pszText = remote.At(kTextOffset);
    record.cchTextMax = int(kTextSize);
    char text[kTextSize + 1] = {};
    if (!remote.Write(0, &record, sizeof record) || !remote.Write(kTextOffset, text, kTextSize))
        return "";
    Send(hwnd, LVM_GETITEMTEXTA, WPARAM(item), LPARAM(remote.At(0)));
    remote.Read(kTextOffset, text, kTextSize);
    return text;
}

// " at=L,T,WxH": the place of rect, in hwnd's client coordinates, on the screen.
std::string ScreenPlace(HWND hwnd, RECT rect)
{
    ::MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return " at=" + std::to_string(rect.left) + "," + std::to_string(rect.top) + "," +
           std::to_string(rect.right - rect.left) + "x" + std::to_string(rect.bottom - rect.top);
}

// " at=L,T,WxH": where item's label shows on the screen, for a click on it; empty when unknown.
std::string ListViewItemPlace(HWND hwnd, const RemoteBuffer& remote, int item)
{
    RECT rect = {};
    rect.left = LVIR_LABEL;
    if (!remote.Write(0, &rect, sizeof rect) || !Send(hwnd, LVM_GETITEMRECT, WPARAM(item), LPARAM(remote.At(0))) ||
        !remote.Read(0, &rect, sizeof rect))
        return "";
    return ScreenPlace(hwnd, rect);
}

// The text of the tool a tool tip shows: the tool the tip holds as current, its text asked of it as the
// tip asks (a tool that gives its text when asked is asked again).
std::string ToolTipShownText(HWND hwnd)
{
    RemoteBuffer remote(hwnd, kTextOffset + kTextSize);
    if (!remote.Valid())
        return "";
    TTTOOLINFOA tool = {};
    tool.cbSize = sizeof tool;
    char text[kTextSize + 1] = {};
    if (!remote.Write(0, &tool, sizeof tool) || !Send(hwnd, TTM_GETCURRENTTOOLA, 0, LPARAM(remote.At(0))) ||
        !remote.Read(0, &tool, sizeof tool))
        return "";
    tool.lpszText = remote.At(kTextOffset);
    if (!remote.Write(0, &tool, sizeof tool) || !remote.Write(kTextOffset, text, kTextSize))
        return "";
    Send(hwnd, TTM_GETTEXTA, WPARAM(kTextSize), LPARAM(remote.At(0)));
    remote.Read(kTextOffset, text, kTextSize);
    return text;
}

// The list view's items (seen: only those of the page it scrolled to, which a user sees).
void DumpListView(HWND hwnd, const std::string& indent, std::vector<std::string>& lines, bool seen)
{
    RemoteBuffer remote(hwnd, kTextOffset + kTextSize);
    if (!remote.Valid())
        return;
    const HWND header = HWND(Send(hwnd, LVM_GETHEADER, 0, 0));
    int columns = header != nullptr ? int(Send(header, HDM_GETITEMCOUNT, 0, 0)) : 1;
    if (columns < 1)
        columns = 1;
    int count = int(Send(hwnd, LVM_GETITEMCOUNT, 0, 0));
    int first = 0;
    if (seen) {
        first = int(Send(hwnd, LVM_GETTOPINDEX, 0, 0));
        // (a part of a line shows below the last whole one)
        count = std::min(count, first + int(Send(hwnd, LVM_GETCOUNTPERPAGE, 0, 0)) + 1);
    }
    for (int i = first; i < count; i++) {
        std::string line = indent + "item " + std::to_string(i) + ":";
        for (int c = 0; c < columns; c++)
            line += " " + Quoted(ListViewText(hwnd, remote, i, c));
        line += ListViewItemPlace(hwnd, remote, i);
        if (Send(hwnd, LVM_GETITEMSTATE, WPARAM(i), LVIS_SELECTED) & LVIS_SELECTED)
            line += " [selected]";
        lines.push_back(line);
    }
}

// The width of text as list view list measures it in its font, without margins (LVM_GETSTRINGWIDTH).
int ListViewTextWidth(HWND list, const RemoteBuffer& remote, const std::string& text)
{
    const std::string cut = text.substr(0, kTextSize - 1);
    if (!remote.Write(kTextOffset, cut.c_str(), cut.size() + 1))
        return 0;
    return int(Send(list, LVM_GETSTRINGWIDTHA, 0, LPARAM(remote.At(kTextOffset))));
}

// A header control's columns: their texts and where they show on the screen (their widths), in the
// order of their indexes; for a list view's header also the width of the widest text of the column,
// its heading's and its items', as the list measures them.
void DumpHeader(HWND hwnd, const std::string& indent, std::vector<std::string>& lines, bool seen)
{
    RemoteBuffer remote(hwnd, kTextOffset + kTextSize);
    if (!remote.Valid())
        return;
    const HWND list = ::GetParent(hwnd);
    // (seen: what shows, without the widths of texts measured over every item)
    const bool bList = !seen && list != nullptr && ClassOf(list) == WC_LISTVIEWA;
    const int count = int(Send(hwnd, HDM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; i++) {
        HDITEMA record = {};
        record.mask = HDI_TEXT;
        record.pszText = remote.At(kTextOffset);
        record.cchTextMax = int(kTextSize);
        char text[kTextSize + 1] = {};
        remote.Write(0, &record, sizeof record);
        remote.Write(kTextOffset, text, kTextSize);
        Send(hwnd, HDM_GETITEMA, WPARAM(i), LPARAM(remote.At(0)));
        remote.Read(kTextOffset, text, kTextSize);
        std::string line = indent + "column " + std::to_string(i) + ": " + Quoted(text);
        RECT rect = {};
        if (remote.Write(0, &rect, sizeof rect) && Send(hwnd, HDM_GETITEMRECT, WPARAM(i), LPARAM(remote.At(0))) &&
            remote.Read(0, &rect, sizeof rect))
            line += ScreenPlace(hwnd, rect);
        if (bList) {
            int widest = ListViewTextWidth(list, remote, text);
            const int items = int(Send(list, LVM_GETITEMCOUNT, 0, 0));
            for (int item = 0; item < items; item++)
                widest = std::max(widest, ListViewTextWidth(list, remote, ListViewText(list, remote, item, i)));
            line += " text=" + std::to_string(widest);
        }
        lines.push_back(line);
    }
}

// " at=L,T,WxH": where a tree item's label shows on the screen; empty while it is scrolled out of view
// or under a closed node.
std::string TreeItemPlace(HWND hwnd, const RemoteBuffer& remote, HTREEITEM item)
{
    RECT rect = {};
    // the message takes the item in the rectangle's place and gives the rectangle back
    if (!remote.Write(0, &item, sizeof item) || !Send(hwnd, TVM_GETITEMRECT, TRUE, LPARAM(remote.At(0))) ||
        !remote.Read(0, &rect, sizeof rect))
        return "";
    RECT client = {};
    ::GetClientRect(hwnd, &client);
    if (rect.bottom <= client.top || rect.top >= client.bottom)
        return "";
    return ScreenPlace(hwnd, rect);
}

// A tree view node's text, and whether it is selected, as its own process answers.
std::string NodeText(HWND hwnd, const RemoteBuffer& remote, HTREEITEM node, bool* selected = nullptr)
{
    TVITEMA record = {};
    record.mask = TVIF_TEXT | TVIF_STATE;
    record.hItem = node;
    record.stateMask = TVIS_SELECTED;
    record.pszText = remote.At(kTextOffset);
    record.cchTextMax = int(kTextSize);
    char text[kTextSize + 1] = {};
    remote.Write(0, &record, sizeof record);
    remote.Write(kTextOffset, text, kTextSize);
    Send(hwnd, TVM_GETITEMA, 0, LPARAM(remote.At(0)));
    remote.Read(0, &record, sizeof record);
    remote.Read(kTextOffset, text, kTextSize);
    if (selected != nullptr)
        *selected = (record.state & TVIS_SELECTED) != 0;
    return text;
}

// The dump line of a tree view's node at level.
std::string NodeLine(HWND hwnd, const RemoteBuffer& remote, HTREEITEM node, int level, const std::string& indent)
{
    bool selected = false;
    const std::string text = NodeText(hwnd, remote, node, &selected);
    std::string line = indent + std::string(size_t(level) * 2, ' ') + "node " + std::to_string(level) + ": " +
                       Quoted(text) + TreeItemPlace(hwnd, remote, node);
    if (selected)
        line += " [selected]";
    return line;
}

void DumpTreeNodes(HWND hwnd, const RemoteBuffer& remote, HTREEITEM first, int level, const std::string& indent,
                   std::vector<std::string>& lines)
{
    for (HTREEITEM node = first; node != nullptr;
         node = HTREEITEM(Send(hwnd, TVM_GETNEXTITEM, TVGN_NEXT, LPARAM(node)))) {
        lines.push_back(NodeLine(hwnd, remote, node, level, indent));
        DumpTreeNodes(hwnd, remote, HTREEITEM(Send(hwnd, TVM_GETNEXTITEM, TVGN_CHILD, LPARAM(node))), level + 1,
                      indent, lines);
    }
}

// The tree view's nodes, depth first (seen: only those scrolled into view, under open nodes).
void DumpTreeView(HWND hwnd, const std::string& indent, std::vector<std::string>& lines, bool seen)
{
    const HTREEITEM root = HTREEITEM(Send(hwnd, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    if (root == nullptr)
        return;
    RemoteBuffer remote(hwnd, kTextOffset + kTextSize);
    if (!remote.Valid())
        return;
    if (!seen) {
        DumpTreeNodes(hwnd, remote, root, 0, indent, lines);
        return;
    }
    const int shown = int(Send(hwnd, TVM_GETVISIBLECOUNT, 0, 0)) + 1;
    HTREEITEM node = HTREEITEM(Send(hwnd, TVM_GETNEXTITEM, TVGN_FIRSTVISIBLE, 0));
    for (int i = 0; node != nullptr && i < shown; i++) {
        int level = 0;
        for (HTREEITEM up = HTREEITEM(Send(hwnd, TVM_GETNEXTITEM, TVGN_PARENT, LPARAM(node))); up != nullptr && level < 100;
             up = HTREEITEM(Send(hwnd, TVM_GETNEXTITEM, TVGN_PARENT, LPARAM(up))))
            level++;
        lines.push_back(NodeLine(hwnd, remote, node, level, indent));
        node = HTREEITEM(Send(hwnd, TVM_GETNEXTITEM, TVGN_NEXTVISIBLE, LPARAM(node)));
    }
}

// List and combo boxes: their text messages are carried between processes by the system itself (seen:
// only a list box's lines scrolled into view).
void DumpListBox(HWND hwnd, bool combo, const std::string& indent, std::vector<std::string>& lines, bool seen)
{
    const LONG_PTR style = ::GetWindowLongPtrA(hwnd, GWL_STYLE);
    const LONG_PTR ownerDrawn = combo ? (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE) : (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE);
    // an owner-drawn box without strings keeps no texts
    if (style & ownerDrawn)
        return;
    int count = int(Send(hwnd, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0));
    const int selected = int(Send(hwnd, combo ? CB_GETCURSEL : LB_GETCURSEL, 0, 0));
    int first = 0;
    if (seen && !combo) {
        first = int(Send(hwnd, LB_GETTOPINDEX, 0, 0));
        RECT client = {};
        ::GetClientRect(hwnd, &client);
        const int height = std::max(1, int(Send(hwnd, LB_GETITEMHEIGHT, 0, 0)));
        count = std::min(count, first + int(client.bottom) / height + 1);
    }
    for (int i = first; i < count && i < first + 1000; i++) {
        const int length = int(Send(hwnd, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, WPARAM(i), 0));
        if (length < 0)
            continue;
        // room to spare: Wine brings back what the box copied, which may pass the length it gave
        std::vector<char> text(size_t(length) + 65536, 0);
        Send(hwnd, combo ? CB_GETLBTEXT : LB_GETTEXT, WPARAM(i), LPARAM(text.data()));
        std::string line = indent + "item " + std::to_string(i) + ": " + Quoted(text.data());
        if (i == selected)
            line += " [selected]";
        lines.push_back(line);
    }
}

// The window's line, then (with whole) its items and its children's lines; with a last depth of 0 or
// more, the children's lines down to that depth and no items; seen: only the items scrolled into view.
void DumpWindow(HWND hwnd, int depth, std::vector<std::string>& lines, bool whole = true, int lastDepth = -1,
                bool seen = false)
{
    const std::string indent(size_t(depth) * 2, ' ');
    const std::string cls = ClassOf(hwnd);
    RECT rect = {};
    ::GetWindowRect(hwnd, &rect);
    const std::string text = cls == TOOLTIPS_CLASSA ? ToolTipShownText(hwnd) : TextOf(hwnd, cls);
    std::string line = indent + cls + " " + Quoted(text) + " id=" +
                       std::to_string(::GetWindowLongPtrA(hwnd, GWLP_ID)) + " at=" + std::to_string(rect.left) +
                       "," + std::to_string(rect.top) + "," + std::to_string(rect.right - rect.left) + "x" +
                       std::to_string(rect.bottom - rect.top);
    if (cls == WC_LISTVIEWA || cls == WC_TREEVIEWA) {
        RECT client = {};
        ::GetClientRect(hwnd, &client);
        ::MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
        line += " client=" + std::to_string(client.left) + "," + std::to_string(client.top) + "," +
                std::to_string(client.right - client.left) + "x" + std::to_string(client.bottom - client.top);
    }
    if (!::IsWindowVisible(hwnd))
        line += " [hidden]";
    if (!::IsWindowEnabled(hwnd))
        line += " [disabled]";
    if (::IsIconic(hwnd))
        line += " [minimized]";
    lines.push_back(line);
    if (!whole || (lastDepth >= 0 && depth >= lastDepth))
        return;

    const std::string itemIndent = indent + "  ";
    if (lastDepth < 0) {
        const size_t first = lines.size();
        if (cls == WC_LISTVIEWA)
            DumpListView(hwnd, itemIndent, lines, seen);
        else if (cls == WC_TREEVIEWA)
            DumpTreeView(hwnd, itemIndent, lines, seen);
        else if (cls == WC_HEADERA)
            DumpHeader(hwnd, itemIndent, lines, seen);
        else if (cls == "ListBox" || cls == "ComboLBox")
            DumpListBox(hwnd, false, itemIndent, lines, seen);
        else if (cls == "ComboBox")
            DumpListBox(hwnd, true, itemIndent, lines, seen);
        // the items of a window that does not show (or lies in one that does not) are not seen either,
        // whatever place their control gives them
        if (!::IsWindowVisible(hwnd))
            for (size_t i = first; i < lines.size(); i++)
                lines[i] += " [hidden]";
    }

    for (HWND child = ::GetWindow(hwnd, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT))
        DumpWindow(child, depth + 1, lines, true, lastDepth, seen);
}

BOOL CALLBACK CollectTopLevel(HWND hwnd, LPARAM lParam)
{
    if (::IsWindowVisible(hwnd))
        reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hwnd);
    return TRUE;
}

// The lines of every visible top-level window and its descendants; with a last depth of 0 or more,
// only those down to that depth below the top-level ones, without items: cheaper, for what lies on top;
// seen: only the items that lists and trees show scrolled into view (a list of thousands is dumped in
// the time of a page).
std::vector<std::string> Dump(int lastDepth = -1, bool seen = false)
{
    std::vector<HWND> tops;
    ::EnumWindows(CollectTopLevel, LPARAM(&tops));
    std::vector<std::string> lines;
    for (HWND hwnd : tops)
        DumpWindow(hwnd, 0, lines, true, lastDepth, seen);
    return lines;
}

// Polls the dump every 100 ms for up to seconds: until every pattern matches a line (want true) or
// until the one pattern matches none (want false). Prints the lines matched; true when it came.
bool Poll(double seconds, const std::vector<std::regex>& patterns, bool want)
{
    const DWORD end = ::GetTickCount() + DWORD(seconds * 1000);
    for (;;) {
        const std::vector<std::string> lines = Dump();
        std::vector<std::string> found;
        for (const std::regex& pattern : patterns) {
            for (const std::string& line : lines) {
                if (std::regex_search(line, pattern)) {
                    found.push_back(line);
                    break;
                }
            }
        }
        if (want ? found.size() == patterns.size() : found.empty()) {
            for (const std::string& line : found)
                std::fprintf(g_out, "%s\n", line.c_str());
            return true;
        }
        if (LONG(::GetTickCount() - end) >= 0)
            return false;
        ::Sleep(100);
    }
}

// The whole screen, bottom row first, as 24-bit BGR rows of `stride` bytes (the layout of a BMP file).
struct Screen {
    int width = 0, height = 0;
    DWORD stride = 0;
    std::vector<unsigned char> bits;
    // The colour at screen point (x, y) as 0xRRGGBB.
    unsigned long At(int x, int y) const
    {
        const unsigned char* p = &bits[size_t(height - 1 - y) * stride + size_t(x) * 3];
        return (unsigned long)(p[2]) << 16 | (unsigned long)(p[1]) << 8 | p[0];
    }
    // The header of a bitmap of these bits.
    BITMAPINFOHEADER Header() const
    {
        BITMAPINFOHEADER info = {};
        info.biSize = sizeof info;
        info.biWidth = width;
        info.biHeight = height;
        info.biPlanes = 1;
        info.biBitCount = 24;
        info.biCompression = BI_RGB;
        return info;
    }
};

bool CaptureScreen(Screen& shot)
{
    shot.width = ::GetSystemMetrics(SM_CXSCREEN);
    shot.height = ::GetSystemMetrics(SM_CYSCREEN);
    shot.stride = DWORD((shot.width * 3 + 3) & ~3);
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    BITMAPINFOHEADER info = shot.Header();
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits,
                                        nullptr, 0);
    if (bitmap != nullptr) {
        HGDIOBJ old = ::SelectObject(memory, bitmap);
        ::BitBlt(memory, 0, 0, shot.width, shot.height, screen, 0, 0, SRCCOPY);
        ::SelectObject(memory, old);
        const unsigned char* first = static_cast<const unsigned char*>(bits);
        shot.bits.assign(first, first + size_t(shot.stride) * size_t(shot.height));
        ::DeleteObject(bitmap);
    }
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return bitmap != nullptr;
}

bool WriteScreenshot(const char* path)
{
    Screen shot;
    if (!CaptureScreen(shot))
        return false;
    const BITMAPINFOHEADER info = shot.Header();
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + DWORD(shot.bits.size());
    FILE* out = std::fopen(path, "wb");
    if (out == nullptr)
        return false;
    bool ok = std::fwrite(&file, sizeof file, 1, out) == 1 && std::fwrite(&info, sizeof info, 1, out) == 1 &&
              std::fwrite(shot.bits.data(), shot.bits.size(), 1, out) == 1;
    return std::fclose(out) == 0 && ok;
}

// Prints "X Y" for every screen point of the colour 0xRRGGBB inside the rectangle, row by row: how the
// roads find what a window draws without being a window (a chart's points, say). Points off the
// screen are skipped.
bool PrintPixels(int left, int top, int width, int height, unsigned long colour)
{
    Screen shot;
    if (!CaptureScreen(shot))
        return false;
    for (int y = std::max(top, 0); y < std::min(top + height, shot.height); y++)
        for (int x = std::max(left, 0); x < std::min(left + width, shot.width); x++)
            if (shot.At(x, y) == colour)
                std::fprintf(g_out, "%d %d\n", x, y);
    return true;
}

// A 24-bit BMP file's picture, top row first, as 0xRRGGBB values; empty when the file is not one.
std::vector<unsigned long> ReadPicture(const char* path, int& width, int& height)
{
    std::vector<unsigned long> points;
    FILE* in = std::fopen(path, "rb");
    if (in == nullptr)
        return points;
    std::vector<unsigned char> bytes;
    unsigned char chunk[65536];
    for (size_t n; (n = std::fread(chunk, 1, sizeof chunk, in)) > 0;)
        bytes.insert(bytes.end(), chunk, chunk + n);
    std::fclose(in);
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    if (bytes.size() < sizeof file + sizeof info)
        return points;
    std::memcpy(&file, bytes.data(), sizeof file);
    std::memcpy(&info, bytes.data() + sizeof file, sizeof info);
    width = info.biWidth;
    height = std::abs(info.biHeight);
    const size_t stride = size_t((width * 3 + 3) & ~3);
    if (file.bfType != 0x4D42 || info.biBitCount != 24 || info.biCompression != BI_RGB || width <= 0 ||
        bytes.size() < file.bfOffBits + stride * size_t(height))
        return points;
    for (int y = 0; y < height; y++) {
        const int row = info.biHeight > 0 ? height - 1 - y : y;
        const unsigned char* p = bytes.data() + file.bfOffBits + stride * size_t(row);
        for (int x = 0; x < width; x++, p += 3)
            points.push_back((unsigned long)(p[2]) << 16 | (unsigned long)(p[1]) << 8 | p[0]);
    }
    return points;
}

// The first visible window (top-level or child, in dump order) whose dump line matches pattern.
HWND FindWindowLine(const std::regex& pattern)
{
    struct Search {
        const std::regex* pattern;
        HWND found;
    } search = {&pattern, nullptr};
    std::vector<HWND> tops;
    ::EnumWindows(CollectTopLevel, LPARAM(&tops));
    std::function<bool(HWND, int)> visit = [&](HWND hwnd, int depth) {
        std::vector<std::string> lines;
        DumpWindow(hwnd, depth, lines, false);
        if (!lines.empty() && std::regex_search(lines.front(), *search.pattern)) {
            search.found = hwnd;
            return true;
        }
        for (HWND child = ::GetWindow(hwnd, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT))
            if (visit(child, depth + 1))
                return true;
        return false;
    };
    for (HWND hwnd : tops)
        if (visit(hwnd, 0))
            break;
    return search.found;
}

// Polls every 100 ms for up to seconds until the window of the first line matching pattern shows the
// picture of path at its top-left corner; prints how many of its points were seen each time it fails.
bool WaitForPicture(double seconds, const std::regex& pattern, const char* path)
{
    int width = 0, height = 0;
    const std::vector<unsigned long> picture = ReadPicture(path, width, height);
    if (picture.empty()) {
        std::fprintf(stderr, "ondrix_inspect: not a 24-bit BMP file: %s\n", path);
        return false;
    }
    const DWORD end = ::GetTickCount() + DWORD(seconds * 1000);
    std::string seen = "no window";
    for (;;) {
        if (HWND hwnd = FindWindowLine(pattern)) {
            RECT rect = {};
            ::GetWindowRect(hwnd, &rect);
            Screen shot;
            if (CaptureScreen(shot)) {
                size_t same = 0;
                for (int y = 0; y < height; y++)
                    for (int x = 0; x < width; x++) {
                        const int sx = rect.left + x, sy = rect.top + y;
                        if (sx >= 0 && sy >= 0 && sx < shot.width && sy < shot.height &&
                            shot.At(sx, sy) == picture[size_t(y) * size_t(width) + size_t(x)])
                            same++;
                    }
                if (same * 100 >= picture.size() * 99)
                    return true;
                seen = std::to_string(same) + " of " + std::to_string(picture.size()) + " points";
            }
        }
        if (LONG(::GetTickCount() - end) >= 0) {
            std::fprintf(g_out, "seen: %s\n", seen.c_str());
            return false;
        }
        ::Sleep(100);
    }
}

// The clipboard's text, written out unchanged (line ends included); or the clipboard emptied.
bool PrintClipboard(bool empty)
{
    if (!::OpenClipboard(nullptr))
        return false;
    if (empty) {
        const bool ok = ::EmptyClipboard() != 0;
        ::CloseClipboard();
        return ok;
    }
    bool ok = false;
    if (HANDLE data = ::GetClipboardData(CF_TEXT)) {
        if (const char* text = static_cast<const char*>(::GlobalLock(data))) {
            std::fputs(text, g_out);
            ok = true;
            ::GlobalUnlock(data);
        }
    }
    ::CloseClipboard();
    return ok;
}

// The picture of text drawn by the system in Unicode, single line, in the menu font of the non-client
// metrics, in the menu text colour on the menu colour (selected: in the colours of a menu's selected
// item), cut to the box of its ink: top row first, 0xRRGGBB values; empty when it could not be drawn.
std::vector<unsigned long> MenuTextPicture(LPCWSTR text, int& width, int& height, bool selected = false)
{
    std::vector<unsigned long> points;
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof metrics;
    if (!::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        return points;
    BOOL flat = FALSE;
    ::SystemParametersInfoW(SPI_GETFLATMENU, 0, &flat, 0);
    const COLORREF back = ::GetSysColor(!selected ? COLOR_MENU : flat ? COLOR_MENUHILIGHT : COLOR_HIGHLIGHT);
    const COLORREF ink = ::GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT);
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    ::ReleaseDC(nullptr, screen);
    HFONT font = ::CreateFontIndirectW(&metrics.lfMenuFont);
    HGDIOBJ oldFont = ::SelectObject(memory, font);
    RECT measured = {0, 0, 0, 0};
    ::DrawTextW(memory, text, -1, &measured, DT_SINGLELINE | DT_CALCRECT);
    const int w = measured.right + 8, h = measured.bottom + 8;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap != nullptr) {
        HGDIOBJ oldBitmap = ::SelectObject(memory, bitmap);
        HBRUSH brush = ::CreateSolidBrush(back);
        RECT all = {0, 0, w, h};
        ::FillRect(memory, &all, brush);
        ::DeleteObject(brush);
        ::SetBkMode(memory, TRANSPARENT);
        ::SetTextColor(memory, ink);
        RECT at = {4, 4, w, h};
        ::DrawTextW(memory, text, -1, &at, DT_SINGLELINE | DT_NOCLIP);
        ::GdiFlush();
        const uint32_t* pixels = static_cast<const uint32_t*>(bits);
        const unsigned long background = (unsigned long)(GetRValue(back)) << 16 | GetGValue(back) << 8 | GetBValue(back);
        int left = w, top = h, right = 0, bottom = 0;
        for (int y = 0; y < h; y++)
            for (int x = 0; x < w; x++)
                if ((pixels[y * w + x] & 0xFFFFFF) != background) {
                    left = std::min(left, x), top = std::min(top, y);
                    right = std::max(right, x + 1), bottom = std::max(bottom, y + 1);
                }
        if (right > left) {
            width = right - left;
            height = bottom - top;
            for (int y = top; y < bottom; y++)
                for (int x = left; x < right; x++)
                    points.push_back(pixels[y * w + x] & 0xFFFFFF);
        }
        ::SelectObject(memory, oldBitmap);
        ::DeleteObject(bitmap);
    }
    ::SelectObject(memory, oldFont);
    ::DeleteObject(font);
    ::DeleteDC(memory);
    return points;
}

// Polls every 100 ms for up to seconds until the window of the first line matching pattern shows
// picture (width by height) somewhere inside its rectangle on the screen.
bool WaitForPictureInside(double seconds, const std::regex& pattern, const std::vector<unsigned long>& picture,
                          int width, int height)
{
    const DWORD end = ::GetTickCount() + DWORD(seconds * 1000);
    for (;;) {
        if (HWND hwnd = FindWindowLine(pattern)) {
            RECT rect = {};
            ::GetWindowRect(hwnd, &rect);
            Screen shot;
            if (CaptureScreen(shot)) {
                const int right = std::min(int(rect.right), shot.width) - width;
                const int bottom = std::min(int(rect.bottom), shot.height) - height;
                for (int y = std::max(int(rect.top), 0); y <= bottom; y++)
                    for (int x = std::max(int(rect.left), 0); x <= right; x++) {
                        bool same = true;
                        for (int j = 0; same && j < height; j++)
                            for (int i = 0; same && i < width; i++)
                                same = shot.At(x + i, y + j) == picture[size_t(j) * size_t(width) + size_t(i)];
                        if (same)
                            return true;
                    }
            }
        }
        if (LONG(::GetTickCount() - end) >= 0)
            return false;
        ::Sleep(100);
    }
}

// Polls for up to seconds until the window of the first line matching pattern shows text somewhere in
// it as the system draws a menu item's text (selected: a selected item's); false when it does not or
// the text cannot be drawn.
bool ShowsText(double seconds, const std::regex& pattern, LPCWSTR text, bool selected)
{
    int width = 0, height = 0;
    const std::vector<unsigned long> picture = MenuTextPicture(text, width, height, selected);
    if (picture.empty()) {
        std::fprintf(stderr, "ondrix_inspect: could not draw the text\n");
        return false;
    }
    return WaitForPictureInside(seconds, pattern, picture, width, height);
}

// UTF-8 text (a line that serve reads) as the system's Unicode, ended by a zero.
std::vector<WCHAR> Wide(const std::string& text)
{
    std::vector<WCHAR> wide(1, 0);
    const int n = ::MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, nullptr, 0);
    if (n > 1) {
        wide.assign(size_t(n), 0);
        ::MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, wide.data(), n);
    }
    return wide;
}

// The cover's window: its class's brush paints it; it takes no activation and no click.
LRESULT CALLBACK CoverProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_MOUSEACTIVATE)
        return MA_NOACTIVATEANDEAT;
    if (msg == WM_NCHITTEST)
        return HTTRANSPARENT;
    return ::DefWindowProcA(hwnd, msg, wParam, lParam);
}

// Handles the cover's messages (its painting) for up to milliseconds.
void PumpFor(DWORD milliseconds)
{
    const DWORD end = ::GetTickCount() + milliseconds;
    for (;;) {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
        const LONG left = LONG(end - ::GetTickCount());
        if (left <= 0)
            return;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, DWORD(std::min<LONG>(left, 20)), QS_ALLINPUT);
    }
}

// Shows the cover over the rectangle for up to seconds, or until a line of the dump matches until
// (when given); then destroys it and lets the display take it away.
bool Cover(int left, int top, int width, int height, unsigned long colour, double seconds, const std::regex* until)
{
    const HINSTANCE instance = ::GetModuleHandleA(nullptr);
    WNDCLASSA wc = {};
    wc.lpfnWndProc = CoverProc;
    wc.hInstance = instance;
    wc.hbrBackground = ::CreateSolidBrush(RGB(colour >> 16 & 0xff, colour >> 8 & 0xff, colour & 0xff));
    wc.lpszClassName = "OndrixInspectCover";
    if (!::RegisterClassA(&wc))
        return false;
    const HWND hwnd = ::CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, wc.lpszClassName, "",
                                        WS_POPUP, left, top, width, height, nullptr, nullptr, instance, nullptr);
    if (hwnd == nullptr)
        return false;
    ::ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    ::UpdateWindow(hwnd);
    const DWORD end = ::GetTickCount() + DWORD(seconds * 1000);
    do {
        PumpFor(100);
        if (until != nullptr) {
            bool seen = false;
            for (const std::string& line : Dump())
                seen = seen || std::regex_search(line, *until);
            if (seen)
                break;
        }
    } while (LONG(::GetTickCount() - end) < 0);
    ::DestroyWindow(hwnd);
    PumpFor(100);
    return true;
}

// The first top-level window whose dump line matches pattern, or null.
HWND FirstTopLevel(const std::regex& pattern)
{
    std::vector<HWND> tops;
    ::EnumWindows(CollectTopLevel, LPARAM(&tops));
    for (HWND hwnd : tops) {
        std::vector<std::string> line;
        DumpWindow(hwnd, 0, line, false);
        if (std::regex_search(line.front(), pattern))
            return hwnd;
    }
    return nullptr;
}

// Sends the window a message that does nothing and waits up to seconds for its thread to take it: a
// thread that takes it is not stuck (it is in a message loop, a modal one too).
bool Answers(double seconds, const std::regex& pattern)
{
    const HWND hwnd = FirstTopLevel(pattern);
    if (hwnd == nullptr) {
        std::fprintf(stderr, "ondrix_inspect: no window to ask\n");
        return false;
    }
    DWORD_PTR result = 0;
    return ::SendMessageTimeoutA(hwnd, WM_NULL, 0, 0, SMTO_NORMAL, UINT(seconds * 1000), &result) != 0;
}

// Prints the caption of the first top-level window whose dump line matches pattern, in UTF-8; false
// when there is none.
bool PrintCaption(const std::regex& pattern)
{
    const HWND hwnd = FirstTopLevel(pattern);
    if (hwnd == nullptr) {
        std::fprintf(stderr, "ondrix_inspect: no window matches\n");
        return false;
    }
    WCHAR caption[4096] = {};
    ::InternalGetWindowText(hwnd, caption, 4096);
    std::vector<char> text(4096 * 3 + 1, 0);
    ::WideCharToMultiByte(CP_UTF8, 0, caption, -1, text.data(), int(text.size()) - 1, nullptr, nullptr);
    std::fprintf(g_out, "%s\n", text.data());
    return true;
}

// The report line of a window: its dump line, [disabled] also when a window it lies in is disabled
// (no input reaches it then either).
std::string ReportLine(HWND hwnd)
{
    std::vector<std::string> lines;
    DumpWindow(hwnd, 0, lines, false);
    std::string line = lines.front();
    if (line.find(" [disabled]") == std::string::npos) {
        const HWND desktop = ::GetDesktopWindow();
        for (HWND up = ::GetAncestor(hwnd, GA_PARENT); up != nullptr && up != desktop; up = ::GetAncestor(up, GA_PARENT))
            if (!::IsWindowEnabled(up)) {
                line += " [disabled]";
                break;
            }
    }
    return line;
}

// Prints NAME: and the report line of the window, or "none"; for a child window also NAME in: and the
// line of its top-level window.
void PrintWindowReport(const char* name, HWND hwnd)
{
    if (hwnd == nullptr || !::IsWindow(hwnd)) {
        std::fprintf(g_out, "%s: none\n", name);
        return;
    }
    std::fprintf(g_out, "%s: %s\n", name, ReportLine(hwnd).c_str());
    const HWND top = ::GetAncestor(hwnd, GA_ROOT);
    if (top != nullptr && top != hwnd)
        std::fprintf(g_out, "%s in: %s\n", name, ReportLine(top).c_str());
}

// The class of the window that the program makes, out of sight, for as long as it runs long work (a
// file read, a solve) on a thread of its own: its being there is how a road knows that such work runs.
const char* const kWorkWindowClass = "OndrixWindowsThreadCall";

// Where the keyboard and the mouse go, as the system keeps it for the thread of the foreground
// window: the lines "foreground:", "active:" and "focus:" (each with " in:" for a child), "capture:"
// when a window holds the mouse, "mode: menu" while a menu tracks the input and "mode: move or size"
// while a window is moved or sized by the keyboard or the mouse, and "work: running" while the program
// runs long work.
bool PrintFocus()
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    const HWND foreground = ::GetForegroundWindow();
    if (foreground != nullptr && !::GetGUIThreadInfo(::GetWindowThreadProcessId(foreground, nullptr), &info))
        info = GUITHREADINFO{};
    PrintWindowReport("foreground", foreground);
    PrintWindowReport("active", info.hwndActive);
    PrintWindowReport("focus", info.hwndFocus);
    if (info.hwndCapture != nullptr)
        PrintWindowReport("capture", info.hwndCapture);
    if (info.flags & (GUI_INMENUMODE | GUI_POPUPMENUMODE | GUI_SYSTEMMENUMODE) || info.hwndMenuOwner != nullptr)
        std::fprintf(g_out, "mode: menu\n");
    if (info.flags & GUI_INMOVESIZE || info.hwndMoveSize != nullptr)
        std::fprintf(g_out, "mode: move or size\n");
    if (::FindWindowExA(HWND_MESSAGE, nullptr, kWorkWindowClass, nullptr) != nullptr)
        std::fprintf(g_out, "work: running\n");
    return true;
}

// The text of a list view's item or a tree view's node under the screen point, as the dump shows it
// ("item N: ..." or "node: ..."); empty when none is there.
std::string ItemAt(HWND hwnd, POINT point)
{
    const std::string cls = ClassOf(hwnd);
    if (cls != WC_LISTVIEWA && cls != WC_TREEVIEWA)
        return "";
    RemoteBuffer remote(hwnd, kTextOffset + kTextSize);
    if (!remote.Valid())
        return "";
    ::ScreenToClient(hwnd, &point);
    if (cls == WC_LISTVIEWA) {
        LVHITTESTINFO hit = {};
        hit.pt = point;
        if (!remote.Write(0, &hit, sizeof hit))
            return "";
        const int item = int(Send(hwnd, LVM_HITTEST, 0, LPARAM(remote.At(0))));
        if (item < 0)
            return "";
        return "item " + std::to_string(item) + ": " + Quoted(ListViewText(hwnd, remote, item, 0));
    }
    TVHITTESTINFO hit = {};
    hit.pt = point;
    if (!remote.Write(0, &hit, sizeof hit))
        return "";
    const HTREEITEM node = HTREEITEM(Send(hwnd, TVM_HITTEST, 0, LPARAM(remote.At(0))));
    if (node == nullptr)
        return "";
    return "node: " + Quoted(NodeText(hwnd, remote, node));
}

// What a click at the screen point reaches: the line "at:" of the window there (as the system finds
// it for the mouse), "at item:" with the list item or tree node under it, "at in:" with its top-level
// window; "at: none" off every window.
bool PrintWindowAt(int x, int y)
{
    const POINT point = {x, y};
    const HWND hwnd = ::WindowFromPoint(point);
    PrintWindowReport("at", hwnd);
    if (hwnd != nullptr) {
        const std::string item = ItemAt(hwnd, point);
        if (!item.empty())
            std::fprintf(g_out, "at item: %s\n", item.c_str());
    }
    return true;
}

// The other program's window: it takes no part in anything but the keyboard focus, which its edit box
// (id 1) takes while it is active, or, in the window that shows the fault of a focus on a hidden
// window, its hidden edit box (id 2); it will not be closed (Alt+F4 pressed in it leaves it standing).
LRESULT CALLBACK OtherProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_CLOSE:
        return 0;
    case WM_SETFOCUS:
        if (HWND edit = ::GetDlgItem(hwnd, ::GetWindowLongPtrA(hwnd, GWLP_USERDATA) != 0 ? 2 : 1))
            ::SetFocus(edit);
        return 0;
    case WM_SIZE:
        if (HWND edit = ::GetDlgItem(hwnd, 1))
            ::MoveWindow(edit, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    }
    return ::DefWindowProcA(hwnd, msg, wParam, lParam);
}

// Shows a window of another program, titled title, at left, top (width by height), not activated, and
// serves it until the process is ended: what a road activates to take
// the program's activation away. With hiddenFocus the window gives the focus to a hidden window of its
// own when it is activated: the fault that a road's check of the focus must catch.
int ShowOther(const std::string& title, int left, int top, int width, int height, bool hiddenFocus)
{
    const HINSTANCE instance = ::GetModuleHandleA(nullptr);
    WNDCLASSA wc = {};
    wc.lpfnWndProc = OtherProc;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = HBRUSH(COLOR_WINDOW + 1);
    wc.lpszClassName = "OndrixInspectOther";
    if (!::RegisterClassA(&wc))
        return 1;
    const HWND hwnd = ::CreateWindowExA(0, wc.lpszClassName, title.c_str(), WS_OVERLAPPEDWINDOW, left, top, width,
                                        height, nullptr, nullptr, instance, nullptr);
    if (hwnd == nullptr)
        return 1;
    ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, hiddenFocus ? 1 : 0);
    // (showing the fault, its edit box takes no click: the window's activation sets the focus)
    ::CreateWindowExA(WS_EX_CLIENTEDGE, "Edit", "",
                      WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL | (hiddenFocus ? WS_DISABLED : 0), 0, 0, 0,
                      0, hwnd, HMENU(1), instance, nullptr);
    ::CreateWindowExA(0, "Edit", "", WS_CHILD, 0, 0, 10, 10, hwnd, HMENU(2), instance, nullptr);
    RECT client = {};
    ::GetClientRect(hwnd, &client);
    ::SendMessageA(hwnd, WM_SIZE, 0, MAKELPARAM(client.right, client.bottom));
    ::ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return 0;
}

int Usage()
{
    std::fprintf(stderr, "usage: ondrix_inspect dump [DEPTH|seen] | wait SECONDS REGEX... | gone SECONDS REGEX | shot FILE.bmp\n"
                         "                      | pixels L T W H RRGGBB | clipboard [empty]\n"
                         "                      | image SECONDS REGEX FILE.bmp | shows SECONDS REGEX menu TEXT\n"
                         "                      | shows SECONDS REGEX selected TEXT\n"
                         "                      | cover L T W H RRGGBB SECONDS [REGEX] | answers SECONDS REGEX\n"
                         "                      | caption REGEX | focus | at X Y | other TITLE L T W H [hidden-focus] | serve [FILE]\n");
    return 2;
}

// One command with its arguments (args[0] is the command); its exit code.
int Run(const std::vector<std::string>& args)
{
    const size_t argc = args.size();
    if (argc < 1)
        return Usage();
    const std::string& command = args[0];
    try {
        if (command == "dump" && (argc == 1 || argc == 2)) {
            const bool seen = argc == 2 && args[1] == "seen";
            for (const std::string& line : Dump(argc == 2 && !seen ? std::atoi(args[1].c_str()) : -1, seen))
                std::fprintf(g_out, "%s\n", line.c_str());
            return 0;
        }
        if ((command == "wait" && argc >= 3) || (command == "gone" && argc == 3)) {
            std::vector<std::regex> patterns;
            for (size_t i = 2; i < argc; i++)
                patterns.emplace_back(args[i]);
            return Poll(std::atof(args[1].c_str()), patterns, command == "wait") ? 0 : 1;
        }
        if (command == "answers" && argc == 3)
            return Answers(std::atof(args[1].c_str()), std::regex(args[2])) ? 0 : 1;
        if (command == "shot" && argc == 2)
            return WriteScreenshot(args[1].c_str()) ? 0 : 1;
        if (command == "pixels" && argc == 6)
            return PrintPixels(std::atoi(args[1].c_str()), std::atoi(args[2].c_str()), std::atoi(args[3].c_str()),
                               std::atoi(args[4].c_str()), std::strtoul(args[5].c_str(), nullptr, 16))
                       ? 0
                       : 1;
        if (command == "image" && argc == 4)
            return WaitForPicture(std::atof(args[1].c_str()), std::regex(args[2]), args[3].c_str()) ? 0 : 1;
        if (command == "cover" && (argc == 7 || argc == 8)) {
            const std::regex until(argc == 8 ? args[7] : "");
            return Cover(std::atoi(args[1].c_str()), std::atoi(args[2].c_str()), std::atoi(args[3].c_str()),
                         std::atoi(args[4].c_str()), std::strtoul(args[5].c_str(), nullptr, 16),
                         std::atof(args[6].c_str()), argc == 8 ? &until : nullptr)
                       ? 0
                       : 1;
        }
        if (command == "clipboard" && (argc == 1 || (argc == 2 && args[1] == "empty")))
            return PrintClipboard(argc == 2) ? 0 : 1;
        if (command == "caption" && argc == 2)
            return PrintCaption(std::regex(args[1])) ? 0 : 1;
        if (command == "focus" && argc == 1)
            return PrintFocus() ? 0 : 1;
        if (command == "at" && argc == 3)
            return PrintWindowAt(std::atoi(args[1].c_str()), std::atoi(args[2].c_str())) ? 0 : 1;
        if (command == "shows" && argc == 5 && (args[3] == "menu" || args[3] == "selected"))
            return ShowsText(std::atof(args[1].c_str()), std::regex(args[2]), Wide(args[4]).data(), args[3] == "selected")
                       ? 0
                       : 1;
    } catch (const std::regex_error& e) {
        std::fprintf(stderr, "ondrix_inspect: bad regular expression: %s\n", e.what());
        return 2;
    }
    return Usage();
}

// Takes commands from the standard input, one a line with its arguments separated by tabs, until the
// input ends; after what each prints comes the line "=end CODE" with its exit code. With output, what
// each prints goes into that file instead (made anew for each), and the standard output has the
// "=end" lines alone: a shell reads a file faster than a pipe. A caller that asks much saves the start
// of a program each time.
int Serve(const char* output)
{
    char buffer[65536];
    while (std::fgets(buffer, sizeof buffer, stdin) != nullptr) {
        std::string line(buffer);
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
            line.pop_back();
        std::vector<std::string> args;
        size_t start = 0;
        for (;;) {
            const size_t tab = line.find('\t', start);
            args.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
            if (tab == std::string::npos)
                break;
            start = tab + 1;
        }
        if (output != nullptr && (g_out = std::fopen(output, "w")) == nullptr) {
            std::fprintf(stderr, "ondrix_inspect: cannot write %s\n", output);
            g_out = stdout;
        }
        const int code = args.size() == 1 && args[0].empty() ? 0 : Run(args);
        if (g_out != stdout) {
            std::fclose(g_out);
            g_out = stdout;
        }
        std::fflush(stderr);
        std::printf("=end %d\n", code);
        std::fflush(stdout);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return Usage();
    const std::string command = argv[1];
    if (command == "serve" && (argc == 2 || argc == 3))
        return Serve(argc == 3 ? argv[2] : nullptr);
    if (command == "other" && (argc == 7 || (argc == 8 && std::string(argv[7]) == "hidden-focus")))
        return ShowOther(argv[2], std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]), std::atoi(argv[6]),
                         argc == 8);
    if (command == "shows" && argc == 6 && (std::string(argv[4]) == "menu" || std::string(argv[4]) == "selected")) {
        // the text as the command line gives it in Unicode, not through the program's code page
        int count = 0;
        LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
        if (wide == nullptr || count < 6)
            return Usage();
        int result = 2;
        try {
            result = ShowsText(std::atof(argv[2]), std::regex(argv[3]), wide[count - 1], std::string(argv[4]) == "selected")
                         ? 0
                         : 1;
        } catch (const std::regex_error& e) {
            std::fprintf(stderr, "ondrix_inspect: bad regular expression: %s\n", e.what());
        }
        ::LocalFree(wide);
        return result;
    }
    return Run(std::vector<std::string>(argv + 1, argv + argc));
}
