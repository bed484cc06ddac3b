#include "dialogs/number_edit.h"

#include <QKeyEvent>
#include <QValidator>

#include "dialog_rules/edit_number.h"

namespace fenx {
namespace {

class DigitsValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int& /*position*/) const override {
        return IsEditText(input.toStdString()) ? Acceptable : Invalid;
    }
};

} // namespace

NumberEdit::NumberEdit(QWidget* parent) : QLineEdit(parent) {
    setMaxLength(static_cast<int>(kEditDigits));
    setValidator(new DigitsValidator(this));
}

std::optional<uint32_t> NumberEdit::Number() const {
    return ReadEditNumber(text().toStdString());
}

void NumberEdit::SetNumber(uint32_t value) {
    setText(QString::number(value));
}

void NumberEdit::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        if (event->key() == Qt::Key_Up) {
            emit stepRequested(1);
            return;
        }
        if (event->key() == Qt::Key_Down) {
            emit stepRequested(-1);
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace fenx
