#include "dialogs/modeless_dialogs.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMetaObject>
#include <QScreen>

#include <algorithm>
#include <optional>
#include <span>

#include "dialog_rules/beside_owner.h"

namespace fenx {
namespace {

std::size_t Slot(DialogKind kind) {
    return static_cast<std::size_t>(kind);
}

void Activate(QDialog& dialog) {
    if (dialog.isVisible()) {
        dialog.raise();
    } else {
        dialog.show();
    }
    dialog.activateWindow();
}

// Space between the main window and the dialogs beside it.
constexpr int kGap = 8;

DialogRect ToRect(const QRect& r) {
    return {r.x(), r.y(), r.width(), r.height()};
}

// The free area of the screen the owner is on, if there is a screen.
std::optional<DialogRect> ScreenArea(const QWidget& owner) {
    const QScreen* screen = owner.screen() ? owner.screen() : QGuiApplication::primaryScreen();
    return screen ? std::optional(ToRect(screen->availableGeometry())) : std::nullopt;
}

std::vector<FramePoint> Places(const QWidget& owner, std::span<const FrameSize> sizes) {
    return PlaceBesideOwner(ToRect(owner.frameGeometry()), sizes, ScreenArea(owner), kGap);
}

} // namespace

QRect PlaceBesideWindow(const QWidget& owner, QSize wanted, QSize least) {
    const FrameSize frame =
        FitBesideOwner(ToRect(owner.frameGeometry()), {wanted.width(), wanted.height()},
                       {least.width(), least.height()}, ScreenArea(owner), kGap);
    const FramePoint place = Places(owner, std::span(&frame, 1)).front();
    return {place.x, place.y, frame.width, frame.height};
}

ModelessDialogs::ModelessDialogs(QWidget& owner, QObject* parent) : QObject(parent), owner_(owner) {
    owner_.installEventFilter(this);
}

QDialog* ModelessDialogs::Open(DialogKind kind, const Maker& make) {
    if (QDialog* open = Find(kind)) {
        Activate(*open);
        return open;
    }
    QDialog* dialog = make(owner_);
    if (!dialog) {
        return nullptr;
    }
    open_[Slot(kind)] = dialog;
    beside_[Slot(kind)] = Beside{.follows = true};
    opened_.push_back(kind);
    dialog->installEventFilter(this);
    connect(dialog, &QDialog::finished, this, [this, kind, dialog] { Closed(kind, dialog); });
    emit openChanged();
    PlaceBeside();
    Activate(*dialog);
    // Once more when its frame is known.
    PlaceBesideSoon();
    return dialog;
}

QDialog* ModelessDialogs::Find(DialogKind kind) const {
    return open_[Slot(kind)];
}

OpenDialogs ModelessDialogs::Opened() const {
    OpenDialogs opened;
    for (std::size_t slot = 0; slot < open_.size(); ++slot) {
        opened.Set(static_cast<DialogKind>(slot), open_[slot] != nullptr);
    }
    return opened;
}

void ModelessDialogs::PlaceBeside() {
    std::vector<DialogKind> beside;
    std::vector<FrameSize> sizes;
    for (const DialogKind kind : opened_) {
        const QDialog* dialog = open_[Slot(kind)];
        if (dialog && beside_[Slot(kind)].follows) {
            beside.push_back(kind);
            const QSize size = dialog->frameGeometry().size();
            sizes.push_back({size.width(), size.height()});
        }
    }
    const std::vector<FramePoint> places = Places(owner_, sizes);
    for (std::size_t i = 0; i < beside.size(); ++i) {
        const QPoint at(places[i].x, places[i].y);
        beside_[Slot(beside[i])].Put(at);
        open_[Slot(beside[i])]->move(at);
    }
}

void ModelessDialogs::Beside::Put(QPoint at) {
    recent[count++ % recent.size()] = at;
}

bool ModelessDialogs::Beside::WasPut(QPoint at) const {
    const auto end = recent.begin() + static_cast<std::ptrdiff_t>(std::min(count, recent.size()));
    return std::find(recent.begin(), end, at) != end;
}

void ModelessDialogs::PlaceBesideSoon() {
    // Queued, so that a move and a resize of one change (or the many moves
    // of a drag) place the dialogs once, from the window's frame as it ends
    // up.
    if (placeQueued_) {
        return;
    }
    placeQueued_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            placeQueued_ = false;
            PlaceBeside();
        },
        Qt::QueuedConnection);
}

bool ModelessDialogs::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == &owner_) {
        if (type == QEvent::Move || type == QEvent::Resize) {
            PlaceBesideSoon();
        }
        return false;
    }
    if (type != QEvent::Move) {
        return false;
    }
    for (std::size_t slot = 0; slot < open_.size(); ++slot) {
        // A dialog that is not where it was put has been moved by the
        // player, and is left there from now on.
        if (open_[slot] == watched && beside_[slot].follows &&
            !beside_[slot].WasPut(open_[slot]->pos())) {
            beside_[slot].follows = false;
        }
    }
    return false;
}

void ModelessDialogs::Closed(DialogKind kind, QDialog* dialog) {
    if (open_[Slot(kind)] == dialog) {
        open_[Slot(kind)] = nullptr;
        beside_[Slot(kind)] = Beside{};
        std::erase(opened_, kind);
        emit openChanged();
    }
    dialog->deleteLater();
}

void ModelessDialogs::RunModal(QDialog* box) {
    modal_ = box;
    SetInputEnabled(false);
    // The box is a child of the owner, which has just taken its input away.
    box->setEnabled(true);
    box->setWindowModality(Qt::ApplicationModal);
    connect(box, &QDialog::finished, this, [this, box] {
        if (modal_ == box) {
            modal_ = nullptr;
        }
        SetInputEnabled(true);
        box->deleteLater();
    });
    Activate(*box);
}

void ModelessDialogs::SetInputEnabled(bool enabled) {
    owner_.setEnabled(enabled);
    for (const QPointer<QDialog>& dialog : open_) {
        if (dialog) {
            dialog->setEnabled(enabled);
        }
    }
}

void ModelessDialogs::CloseAll() {
    if (modal_) {
        modal_->reject();
    }
    for (const QPointer<QDialog>& dialog : open_) {
        if (dialog) {
            dialog->reject();
        }
    }
}

} // namespace fenx
