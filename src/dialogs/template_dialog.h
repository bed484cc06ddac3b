// A dialog built from its table (DialogTemplate): every control is placed
// where its dialog units put it in the dialog font, with the table's texts,
// default button and Tab order, and named after its id ("1001"; a control
// without an id is named "static" followed by its row in the table).
//
// Keys work as in any dialog: Tab and Shift+Tab walk the controls in table
// order, Enter presses the default button (or the button that has focus),
// Escape is Cancel, Alt with a button's marked letter presses it (every
// press, however quickly they follow each other), and so does the letter
// alone while a button has the focus, as a button takes no typing. OK, Close
// and Cancel end the dialog, and so do Escape and the close box; every
// other button does what the dialog gives it with OnButton.
#pragma once

#include <QDialog>
#include <QString>

#include <functional>
#include <vector>

#include "dialog_rules/dialog_units.h"
#include "dialogs/dialog_template.h"

class QPushButton;

namespace fenx {

class DialogList;
class NumberEdit;

class TemplateDialog : public QDialog {
    Q_OBJECT
  public:
    // `owner` is the main window: the dialog stays above it, has no taskbar
    // entry of its own, and an icon control shows the owner's icon.
    TemplateDialog(const DialogTemplate& layout, QWidget* owner);

    // The controls in table order.
    const std::vector<QWidget*>& controls() const { return controls_; }
    // The control with this id, or null.
    QWidget* Control(int id) const;
    QPushButton* Button(int id) const;
    NumberEdit* Edit(int id) const;
    DialogList* List(int id) const;
    DialogBaseUnits baseUnits() const { return base_; }

    static QString ObjectName(const DialogControl& control, std::size_t row);

  protected:
    // The button with this id does `action` when pressed.
    void OnButton(int id, std::function<void()> action);
    // The dialog is about to end by OK, Close, Cancel, Escape or its close
    // box: a dialog that must stop something first does it here.
    virtual void Ending() {}
    // OK, Close, Cancel, Escape and the close box all come here.
    void reject() override;
    // Closes the dialog; finished() tells its owner.
    void End();
    // A key the focused control has not taken.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QWidget* Make(const DialogControl& control, std::size_t row);
    void Place(QWidget& widget, const DialogControl& control);

    DialogBaseUnits base_;
    std::vector<QWidget*> controls_;
};

} // namespace fenx
