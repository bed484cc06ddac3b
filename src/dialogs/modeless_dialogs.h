// The dialogs that stay open beside the main window while the game goes on
// (challenge, search, stage number, size, history), at most one of each
// kind, all owned by the main window; and the modal boxes, which take the
// input away from the main window and from every open modeless dialog
// until they end.
//
// A dialog opens beside the main window rather than over it, and keeps
// beside it when the window grows (a size change, a zoom) or moves, until
// the player moves the dialog: from then on it stays where the player put
// it. Opening a dialog, and closing it (Close, Escape, the close box),
// changes which are open: the shell hears of it and grays or restores its
// menu item.
#pragma once

#include <QDialog>
#include <QObject>
#include <QPointer>

#include <array>
#include <functional>
#include <vector>

#include "stage/menu_commands.h"

namespace fenx {

// Where a window of its own (the help) first opens: beside `owner` as a
// dialog would, rather than over the game, `wanted` large or smaller where
// the screen has less room beside the owner (but `least` large).
QRect PlaceBesideWindow(const QWidget& owner, QSize wanted, QSize least);

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

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The dialogs the player has not moved go beside the main window, one
    // below the other in the order they opened (dialog_rules/beside_owner.h).
    void PlaceBeside();
    // Places them once the window's move or resize has settled.
    void PlaceBesideSoon();
    void Closed(DialogKind kind, QDialog* dialog);
    void SetInputEnabled(bool enabled);

    QWidget& owner_;
    std::array<QPointer<QDialog>, kDialogKindCount> open_;
    // Where a dialog beside the window was put lately: the window system
    // may still report an earlier place after a later one was asked for.
    struct Beside {
        bool follows = false; // false once the player has moved it
        std::array<QPoint, 4> recent{};
        std::size_t count = 0; // places put so far
        void Put(QPoint at);
        bool WasPut(QPoint at) const;
    };
    std::array<Beside, kDialogKindCount> beside_;
    // The open dialogs in the order they opened.
    std::vector<DialogKind> opened_;
    bool placeQueued_ = false;
    QPointer<QDialog> modal_;
};

} // namespace fenx
