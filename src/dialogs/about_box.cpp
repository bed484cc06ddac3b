#include "dialogs/about_box.h"

#include <array>

namespace fenx {
namespace {

using enum ControlKind;

constexpr std::array<DialogControl, 5> kControls = {{
    {Static, kNoControlId, "DODI", {13, 9, 96, 8}, Centred},
    {Icon, kNoControlId, "", {51, 21, 18, 21}},
    {Static, kNoControlId, "Version 2.0", {0, 48, 121, 8}, Centred},
    {Static, kNoControlId, "Update 97/08/26", {17, 57, 88, 9}, Centred},
    {Button, kIdOk, "OK(&O)", {33, 124, 55, 12}, DefaultButton},
}};

} // namespace

const DialogTemplate& AppAbout() {
    static const DialogTemplate layout{"FENXのバージョン", 122, 145, kControls,
                                       DialogRect{56, 34, 0, 0}};
    return layout;
}

AboutBox::AboutBox(QWidget* owner) : TemplateDialog(AppAbout(), owner) {}

} // namespace fenx
