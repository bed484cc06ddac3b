#include "dialogs/search_dialog.h"

#include <QComboBox>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QPushButton>
#include <QRect>

#include <vector>

#include "dialog_rules/picture_rows.h"
#include "dialogs/dialog_list.h"
#include "dialogs/number_edit.h"
#include "dialogs/search_progress_dialog.h"
#include "presentation/shape_gallery.h"
#include "selection/search_range.h"

namespace fenx {
namespace {

using enum ControlKind;

constexpr std::array<DialogControl, 8> kControls = {{
    {Button, kIdSearchSetAll, "一括設定(&A)", {53, 243, 50, 14}, DefaultButton},
    // "～" ends the box, between the two edits, in any font.
    {Static, kNoControlId, "検索範囲              ～", {124, 247, 67, 8}, SpreadWords},
    {Edit, kIdSearchRangeStart, "", {153, 244, 28, 14}},
    {Edit, kIdSearchRangeEnd, "", {193, 244, 28, 14}},
    {Static, kNoControlId, "検索結果", {239, 6, 28, 8}},
    {Button, kIdSearchRun, "検索(&F)", {234, 199, 50, 14}},
    StartButton(234, 217),
    CloseButton(234, 244),
}};

// Top-left corners of the combo boxes, in the order of kSearchComboIds.
constexpr std::array<DialogRect, kOrientationCount + 1> kComboUnits = {{
    {18, 56},   {55, 56},  {91, 56},  {18, 109},  {54, 109},  {91, 109},  {128, 109},
    {18, 164},  {54, 164}, {91, 164}, {128, 164}, {173, 56},  {173, 109}, {173, 164},
    {173, 216}, {18, 216}, {54, 216}, {91, 216},  {128, 216}, {18, 243},
}};
constexpr int kComboWidthUnits = 35;
constexpr int kComboHeightUnits = 12;
constexpr DialogRect kResultsUnits = {223, 16, 61, 175};

} // namespace

const std::array<const char*, kCountConditionValues> kCountConditionTexts = {
    "任意", "０個", "１個", "２個", "３個", "４個", "１以上", "２以上", "３以上", "４以上"};

const DialogTemplate& AppSearch() {
    static const DialogTemplate layout{"面検索", 294, 269, kControls};
    return layout;
}

SearchDialog::SearchDialog(Game& game, ModelessDialogs& dialogs, SearchCriteria& criteria,
                           QWidget* owner)
    : TemplateDialog(AppSearch(), owner), game_(game), dialogs_(dialogs), criteria_(criteria),
      results_(new DialogList(this)) {
    for (std::size_t row = 0; row < combos_.size(); ++row) {
        auto* combo = new QComboBox(this);
        combo->setObjectName(QString::number(kSearchComboIds[row]));
        for (const char* text : kCountConditionTexts) {
            combo->addItem(QString::fromUtf8(text));
        }
        const CountCondition value =
            row < kOrientationCount ? criteria_.conditions[row] : criteria_.setAll;
        combo->setCurrentIndex(static_cast<int>(value));
        const DialogRect box =
            ToPixels({kComboUnits[row].x, kComboUnits[row].y, kComboWidthUnits, kComboHeightUnits},
                     baseUnits());
        combo->setGeometry(box.x, box.y, box.width,
                           std::max(box.height, combo->sizeHint().height()));
        connect(combo, &QComboBox::currentIndexChanged, this,
                [this, row](int chosen) { ConditionChosen(row, chosen); });
        combos_[row] = combo;
    }

    results_->setObjectName(QString::number(kIdSearchResults));
    const DialogRect list = ToPixels(kResultsUnits, baseUnits());
    results_->setGeometry(list.x, list.y, list.width, list.height);
    // " k : N": the count and the stage number end on the right of their
    // columns, the colon between them.
    using enum FieldAlign;
    results_->SetColumns({Right, Centre, Right}, QStringLiteral(" 65536 : 65535"));
    results_->setModel(&model_);
    PlacePictures();
    connect(results_, &QListView::doubleClicked, this, &SearchDialog::StartResult);

    // Tab walks the conditions first, then the rest in table order.
    QWidget* previous = nullptr;
    auto chain = [&previous](QWidget* next) {
        if (previous) {
            setTabOrder(previous, next);
        }
        previous = next;
    };
    for (QComboBox* combo : combos_) {
        chain(combo);
    }
    for (QWidget* control : controls()) {
        if (control->focusPolicy() & Qt::TabFocus) {
            chain(control);
            if (control->objectName() == QString::number(kIdSearchRangeEnd)) {
                chain(results_);
            }
        }
    }
    combos_[0]->setFocus();

    Edit(kIdSearchRangeStart)->SetNumber(static_cast<uint32_t>(criteria_.rangeStart));
    Edit(kIdSearchRangeEnd)->SetNumber(static_cast<uint32_t>(criteria_.rangeEnd));
    UpdateSearchButton();
    OnButton(kIdSearchSetAll, [this] { SetAll(); });
    OnButton(kIdSearchRun, [this] { Search(); });
    OnButton(kIdStart, [this] {
        const QModelIndexList selected = results_->selectionModel()->selectedIndexes();
        if (!selected.isEmpty()) {
            StartResult(selected.front());
        }
    });
}

void SearchDialog::PlacePictures() {
    const std::array<GalleryCopy, kGalleryCopyCount> copies = ShapeGalleryCopies();
    std::vector<PictureOverControl> pictures;
    for (std::size_t o = 0; o < kOrientationCount; ++o) {
        QRect cells;
        for (std::size_t j = 0; j < 4; ++j) {
            const PixelRect& to = copies[4 * o + j].destination;
            cells |= QRect(to.x, to.y, to.width, to.height);
        }
        pictures_[o] = cells;
        pictures.push_back({cells.y() + cells.height(), combos_[o]->y()});
    }
    const std::vector<int> shifts = PictureRowShifts(pictures);
    for (std::size_t o = 0; o < kOrientationCount; ++o) {
        shifts_[o] = shifts[o];
        pictures_[o].translate(0, shifts[o]);
    }
}

void SearchDialog::UpdateSearchButton() {
    Button(kIdSearchRun)
        ->setEnabled(canSearch(criteria_.conditions, game_.StageWidth(), game_.StageHeight()));
}

void SearchDialog::ConditionChosen(std::size_t row, int value) {
    if (value < 0 || value >= kCountConditionValues) {
        return;
    }
    const auto condition = static_cast<CountCondition>(value);
    if (row < kOrientationCount) {
        criteria_.conditions[row] = condition;
    } else {
        criteria_.setAll = condition;
    }
    UpdateSearchButton();
}

void SearchDialog::SetAll() {
    for (std::size_t row = 0; row < kOrientationCount; ++row) {
        combos_[row]->setCurrentIndex(static_cast<int>(criteria_.setAll));
        criteria_.conditions[row] = criteria_.setAll;
    }
    UpdateSearchButton();
}

void SearchDialog::Search() {
    // An edit that reads above the last stage number keeps its end (and
    // its text); the range is searched from its lower end.
    const int start = ReadRangeEnd(Edit(kIdSearchRangeStart)->Number(), criteria_.rangeStart);
    const int end = ReadRangeEnd(Edit(kIdSearchRangeEnd)->Number(), criteria_.rangeEnd);
    const StageRange range = OrderedRange(start, end);
    criteria_.rangeStart = range.first;
    criteria_.rangeEnd = range.last;

    // Searching replaces the stage in play: back to the title.
    game_.ShowTitleScreen();
    model_.Clear();
    dialogs_.RunModal(new SearchProgressDialog(
        criteria_.conditions, game_.StageWidth(), game_.StageHeight(), range,
        [this](std::span<const int> found) { AddResults(found); }, this));
}

void SearchDialog::AddResults(std::span<const int> stageNumbers) {
    model_.Append(stageNumbers);
    const QModelIndex newest = model_.index(model_.rowCount() - 1);
    results_->selectionModel()->setCurrentIndex(newest, QItemSelectionModel::ClearAndSelect);
    results_->scrollTo(newest);
}

void SearchDialog::StartResult(const QModelIndex& index) {
    if (index.isValid()) {
        game_.StartStageNumber(model_.data(index, Qt::UserRole).toInt());
    }
}

void SearchDialog::paintEvent(QPaintEvent* event) {
    TemplateDialog::paintEvent(event);
    const ShapeGallery& gallery = game_.Gallery();
    if (gallery.width() == 0) {
        return;
    }
    QImage image(gallery.pixels(), gallery.width(), gallery.height(), gallery.stride(),
                 QImage::Format_Indexed8);
    const ColourTable& colours = game_.Colours();
    image.setColorTable(QList<QRgb>(colours.begin(), colours.end()));
    QPainter painter(this);
    // Each gallery pixel a sharp square on a scaled screen.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const std::array<GalleryCopy, kGalleryCopyCount> copies = ShapeGalleryCopies();
    for (std::size_t n = 0; n < copies.size(); ++n) {
        const PixelRect& to = copies[n].destination;
        const PixelRect& from = copies[n].source;
        painter.drawImage(QRect(to.x, to.y + shifts_[n / 4], to.width, to.height), image,
                          QRect(from.x, from.y, from.width, from.height));
    }
}

} // namespace fenx
