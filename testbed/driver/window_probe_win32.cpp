#include "window_probe_win32.h"

namespace VelkoraTest {

std::vector<HWND> TopLevelWindowsOf(DWORD processId, bool visibleOnly) {
    struct Search {
        DWORD processId;
        bool visibleOnly;
        std::vector<HWND> found;
    } search{processId, visibleOnly, {}};
    EnumWindows(
        [](HWND w, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            if (owner == s->processId && (!s->visibleOnly || IsWindowVisible(w)))
                s->found.push_back(w);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WindowHoldingControlOf(DWORD processId, const std::wstring& controlClass) {
    for (HWND window : TopLevelWindowsOf(processId)) {
        for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            if (ClassNameOf(child) == controlClass)
                return window;
        }
    }
    return nullptr;
}

std::wstring ClassNameOf(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

std::wstring TextOf(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length))
        return {};
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_ABORTIFHUNG, 5000, &copied);
    text.resize(copied);
    return text;
}

HWND ControlOf(HWND dialog, int id) {
    return GetDlgItem(dialog, id);
}

HWND ChildWithText(HWND parent, const std::wstring& text) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (TextOf(child) == text)
            return child;
    }
    return nullptr;
}

std::vector<std::wstring> ListBoxItemsOf(HWND listBox) {
    std::vector<std::wstring> items;
    LRESULT count = SendMessageW(listBox, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        LRESULT length = SendMessageW(listBox, LB_GETTEXTLEN, i, 0);
        if (length < 0)
            break;
        std::wstring item(static_cast<std::size_t>(length) + 1, L'\0');
        LRESULT got = SendMessageW(listBox, LB_GETTEXT, i, reinterpret_cast<LPARAM>(item.data()));
        item.resize(got < 0 ? 0 : static_cast<std::size_t>(got));
        items.push_back(item);
    }
    return items;
}

bool IsEnabledControl(HWND window) {
    return window && IsWindowEnabled(window);
}

bool IsChecked(HWND button) {
    return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void ClickButton(HWND button) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
}

void PostCommand(HWND dialog, int id) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

HWND FocusOf(HWND window) {
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    DWORD thread = GetWindowThreadProcessId(window, nullptr);
    return GetGUIThreadInfo(thread, &gui) ? gui.hwndFocus : nullptr;
}

void PressAccessKey(HWND window, wchar_t letter) {
    HWND focus = FocusOf(window);
    HWND target = focus ? focus : window;
    UINT virtualKey = (letter >= L'a' && letter <= L'z') ? letter - L'a' + L'A' : letter;
    UINT scan = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
    const LPARAM altDown = 1u << 29; // the context code: Alt is held
    // Only the character: the target's TranslateMessage would make a second one of a posted
    // WM_SYSKEYDOWN, and the second press of a check box's key clears it again.
    PostMessageW(target, WM_SYSCHAR, letter, 1 | (scan << 16) | altDown);
}

void PressKey(HWND window, UINT virtualKey) {
    // Keys go to the window that has the focus in the target's thread, as typed keys would.
    HWND focus = FocusOf(window);
    HWND target = focus ? focus : window;
    UINT scan = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
    PostMessageW(target, WM_KEYDOWN, virtualKey, 1 | (scan << 16));
    wchar_t ch = static_cast<wchar_t>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_CHAR));
    if (ch)
        PostMessageW(target, WM_CHAR, ch, 1 | (scan << 16));
    PostMessageW(target, WM_KEYUP, virtualKey, 1 | (scan << 16) | (1u << 30) | (1u << 31));
}

} // namespace VelkoraTest
