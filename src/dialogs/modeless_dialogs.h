// The dialogs that stay open beside the main window while the game goes on
// (challenge, search, stage number, size, history), at most one of each
// kind, all owned by the main window; and the modal boxes, which take the
// input away from the main window and from every open modeless dialog
// until they end.
//
// A dialog opens beside the main window rather than over it. Opening a
// dialog, and closing it (Close, Escape, the close box), changes which are
// open: the shell hears of it and grays or restores its menu item.
#pragma once

#include <QDialog>
#include <QObject>
#include <QPointer>

#include <array>
#include <functional>

#include "stage/menu_commands.h"

namespace fenx {

class ModelessDialogs : public QObject {
    Q_OBJECT
  public:
    explicit ModelessDialogs(QWidget& owner, QObject* parent = nullptr);

    using Maker = std::function<QDialog*(QWidget& owner)>;
    // Shows the dialog of this kind and gives it the input; when none is
    // open, `make` creates it first. Returns the dialog.
    QDialog* Open(DialogKind kind, const Maker& make);
    // The open dialog of this kind, or null.
    QDialog* Find(DialogKind kind) const;
    // Which kinds are open now.
    OpenDialogs Opened() const;

    // Shows a modal box (made with the owner as parent) and returns at once.
    // Until the box ends, the owner and the open modeless dialogs take no
    // input; then they do again and the box is deleted.
    void RunModal(QDialog* box);
    // The modal box that runs now, or null.
    QDialog* Modal() const { return modal_; }

    // The main window closes: every dialog goes with it.
    void CloseAll();

  signals:
    // A dialog has opened or closed.
    void openChanged();

  private:
    // New dialogs open beside the main window, below the others there, so
    // that none hides the game.
    void PlaceBeside(QDialog& dialog) const;
    void Closed(DialogKind kind, QDialog* dialog);
    void SetInputEnabled(bool enabled);

    QWidget& owner_;
    std::array<QPointer<QDialog>, kDialogKindCount> open_;
    QPointer<QDialog> modal_;
};

} // namespace fenx
