// An edit field for a number of at most five digits. Typing or pasting
// anything else is refused; a longer paste is cut to five characters and
// then refused when it still holds anything but digits.
#pragma once

#include <QLineEdit>

#include <cstdint>
#include <optional>

namespace fenx {

class NumberEdit : public QLineEdit {
    Q_OBJECT
  public:
    explicit NumberEdit(QWidget* parent = nullptr);

    // What the text reads as; nothing when the field is empty.
    std::optional<uint32_t> Number() const;
    void SetNumber(uint32_t value);

  signals:
    // The Up or Down arrow key: +1 or -1.
    void stepRequested(int delta);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace fenx
