#include "dialogs/up_down_arrows.h"

#include <QToolButton>

#include <algorithm>

#include "dialogs/number_edit.h"

namespace fenx {
namespace {

constexpr int64_t kLargestEditNumber = 99999;

QToolButton* MakeArrow(Qt::ArrowType type, QWidget* parent) {
    auto* arrow = new QToolButton(parent);
    arrow->setArrowType(type);
    arrow->setFocusPolicy(Qt::NoFocus);
    arrow->setAutoRepeat(true);
    return arrow;
}

} // namespace

UpDownArrows::UpDownArrows(NumberEdit& buddy, QWidget* parent)
    : QWidget(parent), buddy_(buddy), up_(MakeArrow(Qt::UpArrow, this)),
      down_(MakeArrow(Qt::DownArrow, this)) {
    setFocusPolicy(Qt::NoFocus);
    connect(up_, &QToolButton::clicked, this, [this] { Step(1); });
    connect(down_, &QToolButton::clicked, this, [this] { Step(-1); });
    connect(&buddy_, &NumberEdit::stepRequested, this, &UpDownArrows::Step);
}

void UpDownArrows::Step(int delta) {
    const int64_t value = static_cast<int64_t>(buddy_.Number().value_or(0)) + delta;
    buddy_.SetNumber(static_cast<uint32_t>(std::clamp<int64_t>(value, 0, kLargestEditNumber)));
}

void UpDownArrows::resizeEvent(QResizeEvent* /*event*/) {
    const int upper = height() / 2;
    up_->setGeometry(0, 0, width(), upper);
    down_->setGeometry(0, upper, width(), height() - upper);
}

} // namespace fenx
