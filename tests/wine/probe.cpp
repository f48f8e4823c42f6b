// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Answers questions about the Windows desktop it runs on, for a test that drives the program from
// outside: where a top-level window is, whether one is there or has gone, which window is in the
// foreground, what the clipboard holds, and whether a process runs. It also closes a window as its
// close box does. Under Wine's virtual desktop the program's windows are no X windows, so the
// X tools cannot see them; this asks Windows itself.
//
//   probe windows                      every visible top-level window: "title<TAB>l t r b"
//   probe rect TITLE [SECONDS]         waits for a visible window titled TITLE and prints its outer
//                                      rectangle and its client area: "l t r b cx cy cw ch"
//   probe gone TITLE SECONDS           waits until no visible window is titled TITLE
//   probe foreground                   the title of the foreground window
//   probe texts TITLE                  the texts of the visible controls of a native window titled
//                                      TITLE (a dialog's), one a line
//   probe close TITLE                  posts WM_CLOSE to the window titled TITLE
//   probe clipboard                    the clipboard's text, as UTF-8
//   probe clear-clipboard              empties the clipboard
//   probe process NAME [SECONDS]       waits for a process whose program file is NAME, prints its ids
//   probe no-process NAME SECONDS      waits until no such process is left
//   probe end-process NAME             ends every such process
//
// Exit status 0 when the answer is yes, 1 when it is no (or the wait ran out), 2 for a bad call.

#include <windows.h>

#include <shellapi.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

constexpr int Yes = 0;
constexpr int No = 1;
constexpr int BadCall = 2;

std::string utf8(const std::wstring& text)
{
    if (text.empty())
        return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size, nullptr, nullptr);
    return out;
}

void print(const std::string& text)
{
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

std::wstring titleOf(HWND window)
{
    const int length = GetWindowTextLengthW(window);
    std::wstring title(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, title.data(), length + 1);
    title.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return title;
}

std::vector<HWND> visibleTopLevelWindows()
{
    std::vector<HWND> windows;
    EnumWindows(
        [](HWND window, LPARAM found) -> BOOL {
            if (IsWindowVisible(window))
                reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
}

HWND windowTitled(const std::wstring& title)
{
    for (HWND window : visibleTopLevelWindows())
        if (titleOf(window) == title)
            return window;
    return nullptr;
}

// Calls `answer` until it says yes or the seconds have passed; a wait of 0 asks once.
template<typename Answer>
bool waitFor(double seconds, Answer answer)
{
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000.0);
    for (;;) {
        if (answer())
            return true;
        if (GetTickCount64() >= deadline)
            return false;
        Sleep(50);
    }
}

std::string rectangleText(HWND window)
{
    RECT outer{};
    RECT client{};
    POINT origin{0, 0};
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    ClientToScreen(window, &origin);
    char line[160];
    std::snprintf(line, sizeof line, "%ld %ld %ld %ld %ld %ld %ld %ld\n", outer.left, outer.top, outer.right,
                  outer.bottom, origin.x, origin.y, client.right - client.left, client.bottom - client.top);
    return line;
}

std::vector<DWORD> processesNamed(const std::wstring& name)
{
    std::vector<DWORD> ids;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return ids;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry))
        if (_wcsicmp(entry.szExeFile, name.c_str()) == 0)
            ids.push_back(entry.th32ProcessID);
    CloseHandle(snapshot);
    return ids;
}

// The clipboard is held by one process at a time; whoever wrote last may still hold it briefly.
bool openClipboard()
{
    return waitFor(5.0, [] { return OpenClipboard(nullptr) != FALSE; });
}

int clipboardText()
{
    if (!openClipboard())
        return No;
    int result = No;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* text = static_cast<const wchar_t*>(GlobalLock(data))) {
            print(utf8(text));
            GlobalUnlock(data);
            result = Yes;
        }
    }
    CloseClipboard();
    return result;
}

int clearClipboard()
{
    if (!openClipboard())
        return No;
    const BOOL emptied = EmptyClipboard();
    CloseClipboard();
    return emptied ? Yes : No;
}

double secondsArgument(const std::vector<std::wstring>& arguments, std::size_t index)
{
    return index < arguments.size() ? std::wcstod(arguments[index].c_str(), nullptr) : 0.0;
}

int run(const std::vector<std::wstring>& arguments)
{
    if (arguments.empty())
        return BadCall;
    const std::wstring& command = arguments[0];
    const std::wstring name = arguments.size() > 1 ? arguments[1] : std::wstring();
    if (command == L"windows") {
        for (HWND window : visibleTopLevelWindows())
            print(utf8(titleOf(window)) + "\t" + rectangleText(window));
        return Yes;
    }
    if (command == L"foreground") {
        HWND window = GetForegroundWindow();
        print(window ? utf8(titleOf(window)) + "\n" : "\n");
        return window ? Yes : No;
    }
    if (command == L"clipboard")
        return clipboardText();
    if (command == L"clear-clipboard")
        return clearClipboard();
    if (arguments.size() < 2)
        return BadCall;
    if (command == L"rect") {
        HWND found = nullptr;
        if (!waitFor(secondsArgument(arguments, 2), [&] { return (found = windowTitled(name)) != nullptr; }))
            return No;
        print(rectangleText(found));
        return Yes;
    }
    if (command == L"gone")
        return waitFor(secondsArgument(arguments, 2), [&] { return windowTitled(name) == nullptr; }) ? Yes : No;
    if (command == L"texts") {
        HWND window = windowTitled(name);
        if (!window)
            return No;
        std::wstring texts;
        EnumChildWindows(
            window,
            [](HWND child, LPARAM found) -> BOOL {
                if (IsWindowVisible(child))
                    *reinterpret_cast<std::wstring*>(found) += titleOf(child) + L"\n";
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&texts));
        print(utf8(texts));
        return Yes;
    }
    if (command == L"close") {
        HWND window = windowTitled(name);
        return window && PostMessageW(window, WM_CLOSE, 0, 0) ? Yes : No;
    }
    if (command == L"process") {
        std::vector<DWORD> ids;
        if (!waitFor(secondsArgument(arguments, 2), [&] { return !(ids = processesNamed(name)).empty(); }))
            return No;
        for (DWORD id : ids)
            print(std::to_string(id) + "\n");
        return Yes;
    }
    if (command == L"no-process")
        return waitFor(secondsArgument(arguments, 2), [&] { return processesNamed(name).empty(); }) ? Yes : No;
    if (command == L"end-process") {
        bool ended = true;
        for (DWORD id : processesNamed(name)) {
            HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id);
            ended = process && TerminateProcess(process, 1) && WaitForSingleObject(process, 10000) == WAIT_OBJECT_0
                    && ended;
            if (process)
                CloseHandle(process);
        }
        return ended ? Yes : No;
    }
    return BadCall;
}

} // namespace

int main()
{
    int count = 0;
    wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!words)
        return BadCall;
    std::vector<std::wstring> arguments(words + (count > 0 ? 1 : 0), words + count);
    LocalFree(words);
    return run(arguments);
}
