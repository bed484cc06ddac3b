#include "dialogs/template_dialog.h"

#include <QEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QShortcutEvent>
#include <QTimer>

#include <utility>

#include "dialogs/column_label.h"
#include "dialogs/dialog_font.h"
#include "dialogs/dialog_list.h"
#include "dialogs/number_edit.h"
#include "dialogs/up_down_arrows.h"

namespace fenx {
namespace {

constexpr Qt::WindowFlags kDialogFlags = Qt::Dialog | Qt::CustomizeWindowHint |
                                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                         Qt::WindowCloseButtonHint;

// An icon control takes the size of the icon, whatever its table says.
constexpr int kIconPixels = 32;

QRect ToQRect(const DialogRect& r) {
    return {r.x, r.y, r.width, r.height};
}

// A button's marked letter presses it at once, however quickly the presses
// follow each other: the button only shows itself down for a moment after
// each. (Left to itself, a button ignores its letter while it still shows
// the last press, and quick presses on the keypad would be lost.)
class PressOnEveryLetter : public QObject {
  public:
    explicit PressOnEveryLetter(QPushButton& button) : QObject(&button), button_(button) {
        shown_.setSingleShot(true);
        shown_.setInterval(kShownMs);
        connect(&shown_, &QTimer::timeout, this, [this] { button_.setDown(false); });
        button.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &button_ || event->type() != QEvent::Shortcut) {
            return false;
        }
        // A letter two buttons share only moves the focus between them.
        if (static_cast<QShortcutEvent*>(event)->isAmbiguous() || !button_.isEnabled()) {
            return false;
        }
        button_.click();
        button_.setDown(true);
        shown_.start();
        return true;
    }

  private:
    static constexpr int kShownMs = 100;
    QPushButton& button_;
    QTimer shown_;
};

} // namespace

TemplateDialog::TemplateDialog(const DialogTemplate& layout, QWidget* owner)
    : QDialog(owner, kDialogFlags) {
    setFont(DialogFont());
    base_ = BaseUnitsOf(font());
    setWindowTitle(QString::fromUtf8(layout.title));
    setFixedSize(HorizontalPixels(layout.width, base_), VerticalPixels(layout.height, base_));
    QWidget* previousFocus = nullptr;
    for (std::size_t row = 0; row < layout.controls.size(); ++row) {
        QWidget* widget = Make(layout.controls[row], row);
        if (row > 0 && layout.controls[row - 1].kind == ControlKind::ListHeader) {
            if (auto* list = qobject_cast<DialogList*>(widget)) {
                static_cast<ColumnLabel*>(controls_.back())->Head(*list);
            }
        }
        controls_.push_back(widget);
        if (widget->focusPolicy() & Qt::TabFocus) {
            if (previousFocus) {
                setTabOrder(previousFocus, widget);
            } else {
                widget->setFocus();
            }
            previousFocus = widget;
        }
    }
    if (layout.position && owner) {
        // Measured from the owner's client area: below its menu bar.
        const auto* frame = qobject_cast<QMainWindow*>(owner);
        const QWidget* client = frame && frame->centralWidget() ? frame->centralWidget() : owner;
        const DialogRect at = ToPixels(*layout.position, base_);
        move(client->mapToGlobal(QPoint(at.x, at.y)));
    }
}

QString TemplateDialog::ObjectName(const DialogControl& control, std::size_t row) {
    if (control.id == kNoControlId) {
        return QStringLiteral("static%1").arg(row);
    }
    return QString::number(control.id);
}

QWidget* TemplateDialog::Make(const DialogControl& control, std::size_t row) {
    const QString text = QString::fromUtf8(control.text);
    QWidget* widget = nullptr;
    switch (control.kind) {
    case ControlKind::Static: {
        auto* label =
            (control.flags & SpreadWords) ? new ColumnLabel(text, this) : new QLabel(text, this);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(((control.flags & Centred) ? Qt::AlignHCenter : Qt::AlignLeft) |
                            Qt::AlignTop);
        widget = label;
        break;
    }
    case ControlKind::Edit:
        widget = new NumberEdit(this);
        break;
    case ControlKind::Button: {
        auto* button = new QPushButton(text, this);
        button->setAutoDefault(true);
        button->setDefault((control.flags & DefaultButton) != 0);
        if (control.id == kIdOk || control.id == kIdClose || control.id == kIdCancel) {
            connect(button, &QPushButton::clicked, this, &TemplateDialog::reject);
        }
        new PressOnEveryLetter(*button);
        widget = button;
        break;
    }
    case ControlKind::UpDown: {
        auto* buddy = controls_.empty() ? nullptr : qobject_cast<NumberEdit*>(controls_.back());
        Q_ASSERT(buddy);
        widget = new UpDownArrows(*buddy, this);
        break;
    }
    case ControlKind::Icon: {
        auto* label = new QLabel(this);
        const QIcon icon = parentWidget() ? parentWidget()->windowIcon() : QIcon();
        label->setPixmap(icon.pixmap(kIconPixels, kIconPixels));
        widget = label;
        break;
    }
    case ControlKind::List:
        widget = new DialogList(this);
        break;
    case ControlKind::ListHeader:
        widget = new ColumnLabel(text, this);
        break;
    }
    widget->setObjectName(ObjectName(control, row));
    Place(*widget, control);
    return widget;
}

void TemplateDialog::Place(QWidget& widget, const DialogControl& control) {
    const DialogRect box = ToPixels(control.units, base_);
    switch (control.kind) {
    case ControlKind::UpDown: {
        // Right-aligned on its buddy: the arrows keep their width and take
        // the buddy's height; the buddy gives up that width on its right.
        QWidget& buddy = static_cast<UpDownArrows&>(widget).buddy();
        QRect edit = buddy.geometry();
        edit.setWidth(edit.width() - box.width);
        buddy.setGeometry(edit);
        widget.setGeometry(edit.x() + edit.width(), edit.y(), box.width, edit.height());
        break;
    }
    case ControlKind::Icon:
        widget.setGeometry(box.x, box.y, kIconPixels, kIconPixels);
        break;
    default:
        widget.setGeometry(ToQRect(box));
        break;
    }
}

QWidget* TemplateDialog::Control(int id) const {
    return findChild<QWidget*>(QString::number(id), Qt::FindDirectChildrenOnly);
}

QPushButton* TemplateDialog::Button(int id) const {
    return qobject_cast<QPushButton*>(Control(id));
}

NumberEdit* TemplateDialog::Edit(int id) const {
    return qobject_cast<NumberEdit*>(Control(id));
}

DialogList* TemplateDialog::List(int id) const {
    return qobject_cast<DialogList*>(Control(id));
}

void TemplateDialog::OnButton(int id, std::function<void()> action) {
    QPushButton* button = Button(id);
    Q_ASSERT(button);
    connect(button, &QPushButton::clicked, this, std::move(action));
}

void TemplateDialog::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::NoModifier && qobject_cast<QPushButton*>(focusWidget())) {
        const QKeySequence letter(Qt::ALT | static_cast<Qt::Key>(event->key()));
        QPushButton* marked = nullptr;
        int matches = 0;
        for (QWidget* control : controls_) {
            auto* button = qobject_cast<QPushButton*>(control);
            if (button && button->isEnabled() && QKeySequence::mnemonic(button->text()) == letter) {
                marked = button;
                ++matches;
            }
        }
        if (matches == 1) {
            marked->click();
            event->accept();
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

void TemplateDialog::reject() {
    Ending();
    End();
}

void TemplateDialog::End() {
    QDialog::done(QDialog::Rejected);
}

} // namespace fenx
