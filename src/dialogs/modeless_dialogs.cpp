#include "dialogs/modeless_dialogs.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

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

} // namespace

ModelessDialogs::ModelessDialogs(QWidget& owner, QObject* parent)
    : QObject(parent), owner_(owner) {}

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
    connect(dialog, &QDialog::finished, this, [this, kind, dialog] { Closed(kind, dialog); });
    emit openChanged();
    PlaceBeside(*dialog);
    Activate(*dialog);
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

void ModelessDialogs::PlaceBeside(QDialog& dialog) const {
    const QRect owner = owner_.frameGeometry();
    const QSize size = dialog.frameGeometry().size();
    int x = owner.right() + 1 + kGap;
    int y = owner.top();
    for (const QPointer<QDialog>& other : open_) {
        if (other && other != &dialog && other->isVisible() && other->x() == x) {
            y = std::max(y, other->frameGeometry().bottom() + 1 + kGap);
        }
    }
    const QScreen* screen = owner_.screen() ? owner_.screen() : QGuiApplication::primaryScreen();
    if (screen) {
        const QRect area = screen->availableGeometry();
        if (x + size.width() > area.right() + 1) {
            x = owner.left() - kGap - size.width();
        }
        x = std::clamp(x, area.left(), std::max(area.left(), area.right() + 1 - size.width()));
        y = std::clamp(y, area.top(), std::max(area.top(), area.bottom() + 1 - size.height()));
    }
    dialog.move(x, y);
}

void ModelessDialogs::Closed(DialogKind kind, QDialog* dialog) {
    if (open_[Slot(kind)] == dialog) {
        open_[Slot(kind)] = nullptr;
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
