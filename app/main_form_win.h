// The main window: three lists from the command catalogue with a note and a Go image each, the
// two options and the two buttons.
#pragma once

#include <string>

#include "launch/dialogs.h"
#include "launch/shell_win.h"
#include "window/button_win.h"
#include "window/drop_down_list_win.h"
#include "window/label_win.h"
#include "window/markup_label_win.h"
#include "window/office_check_box_win.h"
#include "window/picture_box_win.h"
#include "window/picture_win.h"
#include "window/reflection_image_win.h"
#include "window/reflection_label_win.h"
#include "window/tooltips_win.h"
#include "window/topmost_keeper_win.h"

namespace zevadar::app {

class TfrmZevadar final : public window::Wnd {
public:
    TfrmZevadar();

    // Creates the hidden window with all its controls and runs FormCreate.
    void Create();
    // Shows the window for the first time, centred on the primary screen.
    void Show(int showCommand);

    // Event handlers; the program calls them itself where one needs another's work.
    void FormCreate();
    void btnExitClick();
    void cmbMscChange();
    void cmbCplChange();
    void cmbRunChange();
    void imgGoMscClick();
    void imgGoCplClick();
    void imgGoRunClick();
    void btnRunDlgClick();
    void cbStayOnTopClick();

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void LoadPictures();
    void CreateControls();
    void ArrangeZOrder();
    void UpdateNote(window::MarkupLabel& label, const char* section,
                    const window::DropDownList& list);

    window::PictureBox imgBkgnd;
    window::ReflectionImage imgIconLarge;
    window::MarkupLabel lbCopyright;
    window::ReflectionLabel lbTitle;
    window::MarkupLabel lbNoteMsc;
    window::PictureBox imgGoMsc;
    window::Label lbMsc;
    window::Label lbCpl;
    window::MarkupLabel lbNoteCpl;
    window::PictureBox imgGoCpl;
    window::Label lbRun;
    window::MarkupLabel lbNoteRun;
    window::PictureBox imgGoRun;
    window::Button btnExit;
    window::DropDownList cmbMsc;
    window::DropDownList cmbCpl;
    window::DropDownList cmbRun;
    window::Button btnRunDlg;
    window::OfficeCheckBox cbStayOnTop;
    window::OfficeCheckBox cbExeOnSelect;

    launch::WindowsShell shell_;
    launch::ShellAppletLoader ShellAppletLoader;
    launch::ShellRunFileDialog ShellRunFileDialog;
    window::TopmostKeeper TopmostKeeper;
    window::Tooltips tooltips_;
    window::Picture background_;
    window::UniqueIcon goIcon_;
    HWND lastFocus_ = nullptr;
};

// The catalogue's full path, set by FormCreate and fixed from then on.
extern std::string IniFileName;

}  // namespace zevadar::app
