#include "tests/e2e/driver_win.h"

#include <tlhelp32.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "window/control_ids.h"

namespace zevadar::e2e {

namespace {

// A reply from the program that does not come within this time means it hangs.
constexpr UINT kReplyTimeout = 5000;

[[noreturn]] void Fail(const std::string& message) {
    throw std::runtime_error(message);
}

// The build passes the Unix path of Zevadar.exe; Wine maps it to a drive of its own.
std::string DosPath(const char* path) {
    using ToDos = WCHAR*(CDECL*)(const char*);
    const FARPROC proc = GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_dos_file_name");
    if (!proc) return path;
    WCHAR* wide = reinterpret_cast<ToDos>(reinterpret_cast<void*>(proc))(path);
    if (!wide) Fail(std::string("Wine cannot map the path ") + path);
    char narrow[MAX_PATH] = {};
    WideCharToMultiByte(CP_ACP, 0, wide, -1, narrow, MAX_PATH, nullptr, nullptr);
    HeapFree(GetProcessHeap(), 0, wide);
    return narrow;
}

// Texts are asked for in UTF-16: Wine hands the text of another process's Unicode combo box
// to an ANSI caller unconverted.
LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kReplyTimeout,
                             &result))
        Fail("Zevadar does not answer message " + std::to_string(message));
    return static_cast<LRESULT>(result);
}

// Asks for a text of LENGTH characters with MESSAGE and returns it in the ANSI code page.
std::string ReceiveText(HWND window, UINT message, WPARAM wParam, LRESULT length) {
    std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
    if (message == WM_GETTEXT) wParam = wide.size();
    wide.resize(
        static_cast<size_t>(Send(window, message, wParam, reinterpret_cast<LPARAM>(wide.data()))));
    std::string text(wide.size() * 2, '\0');
    text.resize(static_cast<size_t>(
        WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), text.data(),
                            static_cast<int>(text.size()), nullptr, nullptr)));
    return text;
}

std::string WindowText(HWND window) {
    return ReceiveText(window, WM_GETTEXT, 0, Send(window, WM_GETTEXTLENGTH, 0, 0));
}

struct WindowQuery {
    DWORD processId;
    HWND except;
    const char* caption;
    HWND found;
};

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM param) {
    auto& query = *reinterpret_cast<WindowQuery*>(param);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    char caption[256] = {};
    GetWindowTextA(window, caption, sizeof caption);
    if (processId != query.processId || window == query.except || !IsWindowVisible(window) ||
        std::string(caption) != query.caption)
        return TRUE;
    query.found = window;
    return FALSE;
}

HWND FindTopLevel(DWORD processId, const char* caption, HWND except) {
    WindowQuery query{processId, except, caption, nullptr};
    EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

void SendInputs(std::vector<INPUT> inputs) {
    const auto count = static_cast<UINT>(inputs.size());
    if (SendInput(count, inputs.data(), sizeof(INPUT)) != count) Fail("SendInput was refused");
}

INPUT MouseInput(DWORD flags, POINT screen = {}) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    // Absolute positions run from 0 to 65535 across the primary screen.
    input.mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    return input;
}

INPUT KeyInput(WORD key, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = flags;
    return input;
}

void BringToFront(HWND window) {
    SetForegroundWindow(window);
    if (!WaitFor([window] { return GetForegroundWindow() == window; }))
        Fail("Zevadar's window does not come to the foreground");
}

}  // namespace

bool WaitFor(const std::function<bool()>& condition, DWORD timeout) {
    const ULONGLONG end = GetTickCount64() + timeout;
    while (!condition()) {
        if (GetTickCount64() >= end) return condition();
        Sleep(50);
    }
    return true;
}

std::string ReadFileText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::vector<std::string> ReadLines(const std::string& path) {
    std::vector<std::string> lines;
    std::istringstream text(ReadFileText(path));
    for (std::string line; std::getline(text, line);) {
        line.erase(line.find_last_not_of(" \r") + 1);
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> WaitForLines(const std::string& path, size_t count) {
    std::vector<std::string> lines;
    WaitFor([&] {
        lines = ReadLines(path);
        return lines.size() >= count;
    });
    return lines;
}

std::string BuiltFile(const char* name) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\') + 1) + name;
}

TempFolder::TempFolder() {
    static int count = 0;
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    path_ = std::string(temp) + "zevadar-e2e-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(++count);
    if (!CreateDirectoryA(path_.c_str(), nullptr)) Fail("cannot create " + path_);
}

TempFolder::~TempFolder() {
    // A program that has just ended may still hold its files for a moment.
    WaitFor(
        [this] {
            WIN32_FIND_DATAA found{};
            const HANDLE search = FindFirstFileA(File("*").c_str(), &found);
            if (search != INVALID_HANDLE_VALUE) {
                do {
                    DeleteFileA(File(found.cFileName).c_str());
                } while (FindNextFileA(search, &found));
                FindClose(search);
            }
            return RemoveDirectoryA(path_.c_str()) != 0;
        },
        5000);
}

void TempFolder::Write(const std::string& name, const std::string& text) const {
    std::ofstream file(File(name), std::ios::binary);
    file << text;
    if (!file) Fail("cannot write " + File(name));
}

std::string TempFolder::Copy(const std::string& source, const std::string& name) const {
    const std::string target = File(name);
    if (!CopyFileA(source.c_str(), target.c_str(), FALSE))
        Fail("cannot copy " + source + " to " + target);
    return target;
}

ShellOpenCommand::ShellOpenCommand(const std::string& className, const std::string& command,
                                   const std::optional<std::string>& extension) {
    saved_.push_back(SetDefault(className + "\\shell\\open\\command", command));
    if (extension) saved_.push_back(SetDefault(*extension, className));
}

ShellOpenCommand::~ShellOpenCommand() {
    std::for_each(saved_.rbegin(), saved_.rend(), Restore);
}

ShellOpenCommand::Saved ShellOpenCommand::SetDefault(const std::string& key,
                                                     const std::string& value) {
    Saved saved{key, std::nullopt, ""};
    for (size_t end = 0; end != std::string::npos && saved.createdRoot.empty();) {
        end = key.find('\\', end + 1);
        const std::string part = key.substr(0, end);
        HKEY existing = nullptr;
        if (RegOpenKeyExA(HKEY_CLASSES_ROOT, part.c_str(), 0, KEY_READ, &existing) !=
            ERROR_SUCCESS) {
            saved.createdRoot = part;
            break;
        }
        RegCloseKey(existing);
    }
    HKEY handle = nullptr;
    if (RegCreateKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_READ | KEY_WRITE,
                        nullptr, &handle, nullptr) != ERROR_SUCCESS)
        Fail("cannot create the registry key " + key);
    char old[1024] = {};
    DWORD size = sizeof old;
    if (saved.createdRoot.empty() &&
        RegQueryValueExA(handle, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(old), &size) ==
            ERROR_SUCCESS)
        saved.value = old;
    RegSetValueExA(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(handle);
    return saved;
}

void ShellOpenCommand::Restore(const Saved& saved) {
    if (!saved.createdRoot.empty()) {
        RegDeleteTreeA(HKEY_CLASSES_ROOT, saved.createdRoot.c_str());
        return;
    }
    HKEY handle = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, saved.key.c_str(), 0, KEY_WRITE, &handle) != ERROR_SUCCESS)
        return;
    if (saved.value)
        RegSetValueExA(handle, nullptr, 0, REG_SZ,
                       reinterpret_cast<const BYTE*>(saved.value->c_str()),
                       static_cast<DWORD>(saved.value->size() + 1));
    else
        RegDeleteValueA(handle, nullptr);
    RegCloseKey(handle);
}

Zevadar::Zevadar(const TempFolder& folder, const std::optional<std::string>& catalogue) {
    const std::string exe = folder.Copy(DosPath(ZEVADAR_EXE), "Zevadar.exe");
    if (catalogue) folder.Write("Zevadar.ini", *catalogue);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessA(exe.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr,
                        folder.Path().c_str(), &startup, &process_))
        Fail("cannot start " + exe);
    WaitFor([this] {
        window_ = FindTopLevel(process_.dwProcessId, window::kMainWindowCaption, nullptr);
        return window_ != nullptr;
    });
    if (!window_) {
        End();
        Fail("Zevadar's window did not appear");
    }
}

Zevadar::~Zevadar() {
    End();
}

void Zevadar::End() {
    if (!process_.hProcess) return;
    EndStartedPrograms();
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
        PostMessageA(window_, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(process_.hProcess, kReplyTimeout) == WAIT_TIMEOUT) {
            TerminateProcess(process_.hProcess, 1);
            WaitForSingleObject(process_.hProcess, kReplyTimeout);
        }
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
    process_ = {};
}

HWND Zevadar::Control(int id) const {
    HWND control = GetDlgItem(window_, id);
    if (!control) Fail("Zevadar's window has no control " + std::to_string(id));
    return control;
}

std::string Zevadar::Text(int id) const {
    return WindowText(Control(id));
}

std::vector<std::string> Zevadar::Items(int listId) const {
    HWND list = Control(listId);
    std::vector<std::string> items;
    const LRESULT count = Send(list, CB_GETCOUNT, 0, 0);
    for (WPARAM i = 0; static_cast<LRESULT>(i) < count; ++i)
        items.push_back(ReceiveText(list, CB_GETLBTEXT, i, Send(list, CB_GETLBTEXTLEN, i, 0)));
    return items;
}

int Zevadar::Selection(int listId) const {
    return static_cast<int>(Send(Control(listId), CB_GETCURSEL, 0, 0));
}

bool Zevadar::Checked(int id) const {
    return Send(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Zevadar::Click(int id, MouseButton button, std::optional<POINT> point) const {
    HWND control = Control(id);
    RECT bounds{};
    GetClientRect(control, &bounds);
    POINT screen = point.value_or(POINT{bounds.right / 2, bounds.bottom / 2});
    ClientToScreen(control, &screen);
    BringToFront(window_);
    if (!WaitFor([&] { return WindowFromPoint(screen) == control; }))
        Fail("control " + std::to_string(id) + " is hidden under another window");
    const bool left = button == MouseButton::Left;
    SendInputs({MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, screen),
                MouseInput(left ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_RIGHTDOWN),
                MouseInput(left ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_RIGHTUP)});
}

std::optional<POINT> Zevadar::FindPixels(int id, const std::function<bool(COLORREF)>& match) const {
    HWND control = Control(id);
    BringToFront(window_);
    RECT bounds{};
    GetClientRect(control, &bounds);
    POINT origin{0, 0};
    ClientToScreen(control, &origin);
    const HDC screen = GetDC(nullptr);
    const HDC copy = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, bounds.right, bounds.bottom);
    const HGDIOBJ old = SelectObject(copy, bitmap);
    BitBlt(copy, 0, 0, bounds.right, bounds.bottom, screen, origin.x, origin.y, SRCCOPY);
    RECT found{bounds.right, bounds.bottom, -1, -1};
    for (int y = 0; y < bounds.bottom; ++y) {
        for (int x = 0; x < bounds.right; ++x) {
            if (!match(GetPixel(copy, x, y))) continue;
            found = {std::min<LONG>(found.left, x), std::min<LONG>(found.top, y),
                     std::max<LONG>(found.right, x), std::max<LONG>(found.bottom, y)};
        }
    }
    SelectObject(copy, old);
    DeleteObject(bitmap);
    DeleteDC(copy);
    ReleaseDC(nullptr, screen);
    if (found.right < 0) return std::nullopt;
    return POINT{(found.left + found.right) / 2, (found.top + found.bottom) / 2};
}

void Zevadar::PressKey(int listId, WORD key) const {
    HWND list = Control(listId);
    const auto scan = static_cast<LPARAM>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC)) << 16;
    PostMessageA(list, WM_KEYDOWN, key, scan | 1);
    PostMessageA(list, WM_KEYUP, key, scan | 1 | (LPARAM{3} << 30));
}

void Zevadar::TypeChars(int listId, std::string_view chars) const {
    HWND list = Control(listId);
    for (const char c : chars) PostMessageA(list, WM_CHAR, static_cast<unsigned char>(c), 1);
}

HWND Zevadar::FindDialog(const char* caption) const {
    return FindTopLevel(process_.dwProcessId, caption, window_);
}

void Zevadar::Close(CloseWay way) const {
    switch (way) {
        case CloseWay::ExitButton:
            Click(window::kBtnExit);
            break;
        case CloseWay::CloseMessage:
            PostMessageA(window_, WM_CLOSE, 0, 0);
            break;
        case CloseWay::AltF4:
            BringToFront(window_);
            SendInputs({KeyInput(VK_MENU, 0), KeyInput(VK_F4, 0), KeyInput(VK_F4, KEYEVENTF_KEYUP),
                        KeyInput(VK_MENU, KEYEVENTF_KEYUP)});
            break;
        case CloseWay::WindowMenu:
            PostMessageA(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
            break;
    }
}

DWORD Zevadar::WaitForExit() const {
    if (WaitForSingleObject(process_.hProcess, kPatience) != WAIT_OBJECT_0)
        Fail("Zevadar did not end");
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

// Ends the programs that Zevadar started and theirs, found through the parent ids.
void Zevadar::EndStartedPrograms() const {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return;
    std::vector<PROCESSENTRY32> processes;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
        processes.push_back(entry);
    CloseHandle(snapshot);

    std::vector<DWORD> family{process_.dwProcessId};
    for (size_t grown = 1; grown;) {
        grown = 0;
        for (const PROCESSENTRY32& process : processes) {
            if (std::ranges::find(family, process.th32ParentProcessID) != family.end() &&
                std::ranges::find(family, process.th32ProcessID) == family.end()) {
                family.push_back(process.th32ProcessID);
                ++grown;
            }
        }
    }
    for (auto it = family.begin() + 1; it != family.end(); ++it) {
        const HANDLE child = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, *it);
        if (!child) continue;
        TerminateProcess(child, 1);
        WaitForSingleObject(child, kReplyTimeout);
        CloseHandle(child);
    }
}

}  // namespace zevadar::e2e
