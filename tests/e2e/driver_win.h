// Drives the real Zevadar.exe from outside, as a user would: starts a copy of it beside a
// catalogue, reads its controls through their ids, clicks with real input, sends keys to its
// lists, closes it and cleans up whatever it started. What keeps a test from driving the
// program at all throws std::runtime_error, which GoogleTest reports as the test's failure.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zevadar::e2e {

// How long a test waits for anything the program or a started program should do: generous,
// since a first console or shell start on a busy machine can take many seconds.
inline constexpr DWORD kPatience = 60000;

// Polls CONDITION until it holds or TIMEOUT milliseconds have passed; returns the last result.
bool WaitFor(const std::function<bool()>& condition, DWORD timeout = kPatience);

// The contents of a file, or nothing when it does not exist.
std::string ReadFileText(const std::string& path);

// The lines of a file without their line breaks and trailing blanks; none for a missing file.
std::vector<std::string> ReadLines(const std::string& path);

// Waits until the file at PATH has at least COUNT lines and returns them all.
std::vector<std::string> WaitForLines(const std::string& path, size_t count);

// A file built beside the test program (the recorder, the applet).
std::string BuiltFile(const char* name);

// A fresh folder under the temporary folder, removed with its contents at the end.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "\\" + name; }
    void Write(const std::string& name, const std::string& text) const;
    // Copies a file into the folder under NAME and returns its new path.
    std::string Copy(const std::string& source, const std::string& name) const;

private:
    std::string path_;
};

// Sets the shell's open command of a file type or URL scheme and puts back what was there
// before. It writes HKEY_CLASSES_ROOT itself, in the test prefix: Wine's shell does not look
// at HKEY_CURRENT_USER\Software\Classes.
class ShellOpenCommand {
public:
    // CLASS_NAME is a scheme ("http") or a type name; EXTENSION, when given, is pointed at it.
    ShellOpenCommand(const std::string& className, const std::string& command,
                     const std::optional<std::string>& extension = std::nullopt);
    ~ShellOpenCommand();
    ShellOpenCommand(const ShellOpenCommand&) = delete;
    ShellOpenCommand& operator=(const ShellOpenCommand&) = delete;

private:
    struct Saved {
        std::string key;
        std::optional<std::string> value;  // the earlier default value, if the key existed
        std::string createdRoot;           // the first key of the path that this created
    };
    static Saved SetDefault(const std::string& key, const std::string& value);
    static void Restore(const Saved& saved);

    std::vector<Saved> saved_;
};

enum class CloseWay { ExitButton, CloseMessage, AltF4, WindowMenu };
enum class MouseButton { Left, Right };

// One running Zevadar.exe, copied into FOLDER as Zevadar.exe with the catalogue Zevadar.ini
// beside it when CATALOGUE is given. The destructor ends everything the program started and
// the program itself, if the test left it running.
class Zevadar {
public:
    Zevadar(const TempFolder& folder, const std::optional<std::string>& catalogue);
    ~Zevadar();
    Zevadar(const Zevadar&) = delete;
    Zevadar& operator=(const Zevadar&) = delete;

    HWND Window() const { return window_; }
    HWND Control(int id) const;

    std::string Text(int id) const;
    std::vector<std::string> Items(int listId) const;
    int Selection(int listId) const;
    bool Checked(int id) const;

    // A real click (SendInput) at the centre of a control, or at POINT in its client area.
    void Click(int id, MouseButton button = MouseButton::Left,
               std::optional<POINT> point = std::nullopt) const;
    // The centre, in client coordinates, of the pixels of a control on screen that MATCH.
    std::optional<POINT> FindPixels(int id, const std::function<bool(COLORREF)>& match) const;

    // A key press as the list receives it while it has the focus.
    void PressKey(int listId, WORD key) const;
    // Characters typed into a list in quick succession, as one type-ahead prefix.
    void TypeChars(int listId, std::string_view chars) const;

    // Another visible top-level window of the program with CAPTION (a dialog), or null.
    HWND FindDialog(const char* caption) const;

    void Close(CloseWay way) const;
    // Waits for the process to end and returns its exit code; fails the test when it does not.
    DWORD WaitForExit() const;

private:
    // Ends what the program started, then the program, unless it has ended already.
    void End();
    void EndStartedPrograms() const;

    PROCESS_INFORMATION process_{};
    HWND window_ = nullptr;
};

}  // namespace zevadar::e2e
