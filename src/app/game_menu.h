// The main window's menu bar: the game menu with its display-mode submenu
// and the help menu. Every command item carries its command id as its data,
// so its marks can be set, and it can be found, by id. The menu also tells
// whether any of its popups is open, which stops the play timer.
#pragma once

#include <QHash>
#include <QObject>
#include <QSet>

#include "stage/menu_commands.h"

class QAction;
class QMenu;
class QMenuBar;

namespace fenx {

class GameMenu : public QObject {
    Q_OBJECT
  public:
    // Fills the (empty) menu bar.
    explicit GameMenu(QMenuBar& bar, QObject* parent = nullptr);

    // The item with this command id, or null.
    QAction* Action(int id) const;
    // Check marks and grayed items.
    void Apply(const MenuState& state);
    bool AnyOpen() const { return !open_.isEmpty(); }

  signals:
    void commandChosen(int id);

  private:
    QMenu* AddPopup(QMenu* menu);
    void AddCommand(QMenu* menu, int id, const QString& text, bool checkable = false);
    void SetChecked(int id, bool checked);
    void SetEnabled(int id, bool enabled);

    QHash<int, QAction*> actions_;
    QSet<QMenu*> open_;
};

} // namespace fenx
