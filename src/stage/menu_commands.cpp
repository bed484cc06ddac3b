#include "stage/menu_commands.h"

namespace fenx {

MenuState ShownMenu(const MenuMarks& marks, const OpenDialogs& open) {
    MenuState menu;
    menu.marks = marks;
    menu.challengeEnabled = !open[DialogKind::Challenge];
    menu.searchEnabled = !open[DialogKind::Search];
    menu.anySizeEnabled = !open[DialogKind::Size];
    menu.stageNumberEnabled = !open[DialogKind::StageNumber];
    return menu;
}

} // namespace fenx
