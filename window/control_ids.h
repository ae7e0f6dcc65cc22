// Control ids of the main window, in creation order. Tests and accessibility tools find the
// controls by these ids, never by their captions.
#pragma once

namespace zevadar::window {

enum ControlId : int {
    kImgBkgnd = 100,
    kImgIconLarge,
    kLbCopyright,
    kLbTitle,
    kLbNoteMsc,
    kImgGoMsc,
    kLbMsc,
    kLbCpl,
    kLbNoteCpl,
    kImgGoCpl,
    kLbRun,
    kLbNoteRun,
    kImgGoRun,
    kBtnExit,
    kCmbMsc,
    kCmbCpl,
    kCmbRun,
    kBtnRunDlg,
    kCbStayOnTop,
    kCbExeOnSelect,
};

// The main window's caption; the end-to-end tests find the window by it.
inline constexpr char kMainWindowCaption[] = "Duzuze - Zevadar";

}  // namespace zevadar::window
