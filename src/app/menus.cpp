// The menus of the main window.
#include "app/menus.h"

#include "app/main_form.h"
#include "base/messages.h"

namespace tovir {

namespace {

const MenuEntry kMainMenu[] = {
    {"File1", "", msg::kMenuFile, "", nullptr},
    {"Exit1", "File1", msg::kMenuExit, "", &TForm1::Exit1Click},
    {"Edit5", "", msg::kMenuEdit, "", nullptr},
    {"Copy1", "Edit5", msg::kMenuCopy1, "Ctrl+C", &TForm1::Copy1Click},
    {"Copy2", "Edit5", msg::kMenuCopy2, "", &TForm1::Copy2Click},
    {"Copy3", "Edit5", msg::kMenuCopy3, "", &TForm1::Copy3Click},
    {"Copy4", "Edit5", msg::kMenuCopy4, "", &TForm1::Copy4Click},
    {"N1", "", msg::kMenuOptions, "", nullptr},
    {"htuki", "N1", msg::kMenuHeadingOn, "", &TForm1::htukiClick, true},
    {"hnasi", "N1", msg::kMenuHeadingOff, "", &TForm1::hnasiClick},
    {"Help1", "", msg::kMenuHelp, "", nullptr},
    {"K1", "Help1", msg::kMenuUsage, "", &TForm1::K1Click},
    {"About1", "Help1", msg::kMenuAbout, "", &TForm1::About1Click},
};

const MenuEntry kPopupMenu[] = {
    {"p1", "", msg::kPopupCopy1, "", &TForm1::p1Click},
    {"p2", "", msg::kMenuCopy2, "", &TForm1::p2Click},
    {"p3", "", msg::kMenuCopy3, "", &TForm1::p3Click},
    {"p4", "", msg::kMenuCopy4, "", &TForm1::p4Click},
};

}  // namespace

std::span<const MenuEntry> MainMenu() {
  return kMainMenu;
}
std::span<const MenuEntry> PopupMenu() {
  return kPopupMenu;
}

}  // namespace tovir
