// Shared by the helper programs that Zevadar starts: each leaves its trace in a log beside
// its own file, so a test sees what was started, with which command line and in which order.
#pragma once

#include <windows.h>

#include <string>

namespace zevadar::e2e {

// Appends LINE and a line break to "<module path without extension>.log". The file is opened
// for appending and shared, so helpers that run one after another keep their order.
inline void AppendToOwnLog(HMODULE module, const std::string& line) {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(module, path, MAX_PATH);
    std::string logPath(path, length);
    logPath.erase(logPath.find_last_of('.'));
    logPath += ".log";
    const HANDLE file =
        CreateFileA(logPath.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    const std::string text = line + "\r\n";
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
}

}  // namespace zevadar::e2e
