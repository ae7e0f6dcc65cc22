// A seam that writes every call into a log, one line a call, with null and empty strings told
// apart, and answers with what the test set.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "launch/shell.h"

namespace zevadar::launch {

inline WindowHandle FakeHandle(std::uintptr_t value) {
    return reinterpret_cast<void*>(value);
}

class RecordingShell : public Shell {
public:
    std::intptr_t ShellExecuteA(WindowHandle owner, const char* verb, const char* file,
                                const char* parameters, const char* directory, int show) override {
        Record("ShellExecuteA(" + Handle(owner) + ", " + Text(verb) + ", " + Text(file) + ", " +
               Text(parameters) + ", " + Text(directory) + ", " + std::to_string(show) + ")");
        return shellExecuteResult;
    }
    unsigned WinExec(const char* commandLine, unsigned show) override {
        Record("WinExec(" + Text(commandLine) + ", " + std::to_string(show) + ")");
        return 33;
    }
    ModuleHandle LoadLibraryA(const char* fileName) override {
        Record("LoadLibraryA(" + Text(fileName) + ")");
        return library;
    }
    ProcAddress GetProcAddress(ModuleHandle module, unsigned ordinal) override {
        Record("GetProcAddress(" + Handle(module) + ", " + std::to_string(ordinal) + ")");
        return runDialog;
    }
    void CallRunDialog(ProcAddress function, WindowHandle owner, IconHandle icon,
                       const char* workingDirectory, const char* title, const char* description,
                       unsigned flags) override {
        Record(std::string("CallRunDialog(") + (function == runDialog ? "found" : "other") + ", " +
               Handle(owner) + ", " + Handle(icon) + ", " + Text(workingDirectory) + ", " +
               Text(title) + ", " + Text(description) + ", " + std::to_string(flags) + ")");
        if (runDialogThrows) throw std::runtime_error("out of memory");
    }
    void FreeLibrary(ModuleHandle module) override {
        Record("FreeLibrary(" + Handle(module) + ")");
    }

    static void RunDialogExport() {}

    std::vector<std::string> calls;
    std::intptr_t shellExecuteResult = 42;
    ModuleHandle library = FakeHandle(0x5000);
    ProcAddress runDialog = RunDialogExport;
    bool runDialogThrows = false;

private:
    void Record(std::string call) { calls.push_back(std::move(call)); }
    static std::string Text(const char* text) {
        return text ? '"' + std::string(text) + '"' : "null";
    }
    static std::string Handle(void* handle) {
        return handle ? std::to_string(reinterpret_cast<std::uintptr_t>(handle)) : "null";
    }
};

}  // namespace zevadar::launch
