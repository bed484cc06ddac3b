// The interface in English: every text the player can read, in the menu,
// every dialog and the help window, is free of Japanese; every text fits
// the control it stands in and no control covers another; the access keys
// are those of the Japanese interface. Japanese stays the default.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFontInfo>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTextBrowser>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "dialog_fixture.h"
#include "dialogs/dialog_font.h"
#include "dialogs/search_dialog.h"
#include "dialogs/search_progress_dialog.h"

namespace fenx {
namespace {

// Kana, the ideographs, CJK punctuation (the ideographic space among them)
// and the full- and half-width forms ("ＤＯＤＩ", "ｹﾞｰﾑ", "～").
bool IsJapanese(char32_t c) {
    return (c >= 0x3000 && c <= 0x30FF) || (c >= 0x31F0 && c <= 0x31FF) ||
           (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) ||
           (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFF00 && c <= 0xFFEF);
}

bool HasJapanese(const QString& text) {
    for (const char32_t c : text.toUcs4()) {
        if (IsJapanese(c)) {
            return true;
        }
    }
    return false;
}

// Every text a window shows: its title, and the texts of its labels,
// buttons, edits, combo entries, list lines and pages.
QStringList TextsOf(const QWidget& window) {
    QStringList texts{window.windowTitle()};
    QList<const QWidget*> widgets{&window};
    for (const QWidget* child : window.findChildren<QWidget*>()) {
        widgets.push_back(child);
    }
    for (const QWidget* widget : widgets) {
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            texts << label->text();
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            texts << button->text();
        } else if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
            texts << edit->text();
        } else if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
            for (int i = 0; i < combo->count(); ++i) {
                texts << combo->itemText(i);
            }
        } else if (const auto* browser = qobject_cast<const QTextBrowser*>(widget)) {
            texts << browser->documentTitle() << browser->toPlainText();
        } else if (const auto* view = qobject_cast<const QAbstractItemView*>(widget)) {
            for (int row = 0; view->model() && row < view->model()->rowCount(); ++row) {
                texts << view->model()->index(row, 0).data().toString();
            }
        }
    }
    return texts;
}

// Every menu title and item text, the submenu's included.
QStringList TextsOf(const QMenu& menu) {
    QStringList texts{menu.title()};
    for (const QAction* action : menu.actions()) {
        texts << action->text();
        if (action->menu()) {
            texts << TextsOf(*action->menu());
        }
    }
    return texts;
}

// The text a control shows, with the width it needs for it.
int NeededWidth(const QWidget& control) {
    const QFontMetrics metrics = control.fontMetrics();
    if (const auto* button = qobject_cast<const QPushButton*>(&control)) {
        // The button's own margin on either side of the text.
        const int margin = control.style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &control);
        return metrics.size(Qt::TextShowMnemonic, button->text()).width() + 2 * margin;
    }
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        return metrics.horizontalAdvance(label->text());
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(&control)) {
        // The edit's frame and the two pixels it keeps inside it.
        const int frame =
            control.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &control);
        return metrics.horizontalAdvance(edit->text()) + 2 * frame + 4;
    }
    return 0;
}

// The room a list gives the text of its lines: inside its frame, beside a
// scroll bar, less the margins a line keeps on either side.
int ListTextRoom(const QAbstractItemView& list) {
    const QStyle& style = *list.style();
    const int margin = style.pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &list) + 1;
    const int bar = style.pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &list);
    return list.width() - 2 * list.frameWidth() - bar - 2 * margin;
}

// Where a label's words stand: runs of two blanks or more separate them,
// and only the words are drawn, so only they must not be covered.
std::vector<QRect> WordBoxes(const QLabel& label) {
    const QFontMetrics metrics = label.fontMetrics();
    const QString text = label.text();
    const int width = metrics.horizontalAdvance(text);
    const int left =
        label.x() + ((label.alignment() & Qt::AlignHCenter) ? (label.width() - width) / 2 : 0);
    std::vector<QRect> boxes;
    int start = 0;
    while (start < text.size()) {
        while (start < text.size() && text[start] == u' ') {
            ++start;
        }
        int end = start;
        while (end < text.size() &&
               !(text[end] == u' ' && end + 1 < text.size() && text[end + 1] == u' ')) {
            ++end;
        }
        if (end > start) {
            const int x = left + metrics.horizontalAdvance(text.left(start));
            const int w = metrics.horizontalAdvance(text.mid(start, end - start));
            boxes.emplace_back(x, label.y(), w, metrics.height());
        }
        start = end;
    }
    return boxes;
}

class EnglishTest : public DialogTest {
  protected:
    // The shell in this language, with a history of a wide and a narrow
    // line to list.
    void Start(Language language) {
        if (language == Language::English) {
            WriteSettings("[FENX]\nlanguage=en\n");
        }
        QFile log(sandbox() + "/fenx.log");
        ASSERT_TRUE(log.open(QIODevice::WriteOnly));
        log.write("1 26/12/31 23:59 38 10 65535\n0 26/01/02 08:05 12 4 4829\n");
        log.close();
        StartShell();
    }

    // Every dialog the menu opens, the modal about box last; and a search
    // progress dialog, made here because a real search ends too soon to
    // look at. The help window comes with them.
    std::vector<TemplateDialog*> OpenEveryDialog() {
        std::vector<TemplateDialog*> dialogs;
        const std::pair<int, DialogKind> modeless[] = {{106, DialogKind::StageNumber},
                                                       {105, DialogKind::Size},
                                                       {113, DialogKind::Challenge},
                                                       {118, DialogKind::Search},
                                                       {119, DialogKind::History}};
        for (const auto& [id, kind] : modeless) {
            dialogs.push_back(OpenByMenu<TemplateDialog>(id, kind));
        }
        progress_ = std::make_unique<SearchProgressDialog>(
            ConditionSet{CountCondition::AtLeast1}, 7, 4, StageRange{0, 65535},
            SearchProgressDialog::MatchReceiver{}, shell().game().language(), &shell().window());
        progress_->show();
        dialogs.push_back(progress_.get());
        Choose(110);
        dialogs.push_back(qobject_cast<TemplateDialog*>(shell().dialogs().Modal()));
        Choose(107);
        for (const TemplateDialog* dialog : dialogs) {
            EXPECT_NE(dialog, nullptr);
        }
        return dialogs;
    }

    void TearDown() override {
        progress_.reset();
        DialogTest::TearDown();
    }

    std::unique_ptr<SearchProgressDialog> progress_;
};

class EveryTextTest : public EnglishTest, public ::testing::WithParamInterface<Language> {};

TEST_P(EveryTextTest, EnglishShowsNoJapaneseAndJapaneseStaysJapanese) {
    const Language language = GetParam();
    const bool english = language == Language::English;
    Start(language);
    ASSERT_EQ(shell().game().language(), language);
    EXPECT_EQ(shell().window().windowTitle(), english ? "FENX" : "ＤＯＤＩ");

    // Each window or menu is read whole: English must have no Japanese in
    // any of its texts, Japanese some in each, which shows the walk reads
    // them.
    std::vector<std::pair<QString, QStringList>> windows;
    for (const QAction* popup : shell().window().menuBar()->actions()) {
        windows.emplace_back(popup->text(), TextsOf(*popup->menu()));
    }
    for (const TemplateDialog* dialog : OpenEveryDialog()) {
        ASSERT_NE(dialog, nullptr);
        windows.emplace_back(dialog->windowTitle(), TextsOf(*dialog));
    }
    ASSERT_NE(shell().helpWindow(), nullptr);
    windows.emplace_back(QStringLiteral("help"), TextsOf(*shell().helpWindow()));
    ASSERT_EQ(windows.size(), 2u + 7u + 1u);

    int texts = 0;
    for (const auto& [name, shown] : windows) {
        SCOPED_TRACE(name.toStdString());
        bool anyJapanese = false;
        for (const QString& text : shown) {
            ++texts;
            anyJapanese = anyJapanese || HasJapanese(text);
            if (english) {
                EXPECT_FALSE(HasJapanese(text)) << text.toStdString();
            }
        }
        EXPECT_EQ(anyJapanese, !english);
    }
    // The menu's items, the keypad, the 20 combos of 10 entries, the 55
    // challenges and the help page at least.
    EXPECT_GT(texts, 300);
    if (english) {
        // The figures' English formats take the same numbers.
        auto* tested = qobject_cast<QLabel*>(progress_->Control(kIdSearchTestedText));
        ASSERT_NE(tested, nullptr);
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^Tested : \\d+/65536 \\(\\d+%\\)$"))
                        .match(tested->text())
                        .hasMatch())
            << tested->text().toStdString();
        EXPECT_EQ(shell().helpWindow()->windowTitle(), "FENX Help");
        EXPECT_TRUE(shell().helpWindow()->toPlainText().contains("How to play"));
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, EveryTextTest,
                         ::testing::Values(Language::Japanese, Language::English),
                         [](const ::testing::TestParamInfo<Language>& test) {
                             return test.param == Language::English ? "English" : "Japanese";
                         });

TEST_F(EnglishTest, EveryTextFitsItsControlAndNoControlCoversAnother) {
    Start(Language::English);
    std::vector<TemplateDialog*> dialogs = OpenEveryDialog();
    // Five-digit results in the search list: a condition most stages meet,
    // searched over every stage number.
    auto* search = qobject_cast<SearchDialog*>(dialogs[3]);
    ASSERT_NE(search, nullptr);
    shell().dialogs().Modal()->reject();
    search->combo(0).setCurrentIndex(static_cast<int>(CountCondition::Exactly0));
    Press(*search, kIdSearchRun);
    ASSERT_TRUE(QTest::qWaitFor([&] { return shell().dialogs().Modal() == nullptr; }, 60000));
    ASSERT_GT(search->resultsModel().rowCount(), 10000);
    Choose(110);
    dialogs.back() = qobject_cast<TemplateDialog*>(shell().dialogs().Modal());
    QApplication::processEvents();

    for (TemplateDialog* dialog : dialogs) {
        ASSERT_NE(dialog, nullptr);
        SCOPED_TRACE(dialog->windowTitle().toStdString());
        EXPECT_EQ(QFontInfo(dialog->font()).family(), QStringLiteral("DejaVu Sans"));
        EXPECT_EQ(dialog->baseUnits(), BaseUnitsOf(DialogFont(Language::English)));
        const QList<QWidget*> controls =
            dialog->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        ASSERT_FALSE(controls.isEmpty());
        for (const QWidget* control : controls) {
            SCOPED_TRACE(control->objectName().toStdString());
            EXPECT_TRUE(dialog->rect().contains(control->geometry()));
            EXPECT_LE(NeededWidth(*control), control->width());
            if (const auto* label = qobject_cast<const QLabel*>(control)) {
                EXPECT_LE(label->fontMetrics().height(), label->height());
            }
            if (const auto* combo = qobject_cast<const QComboBox*>(control)) {
                QStyleOptionComboBox option;
                option.initFrom(combo);
                const int room = combo->style()
                                     ->subControlRect(QStyle::CC_ComboBox, &option,
                                                      QStyle::SC_ComboBoxEditField, combo)
                                     .width();
                for (int i = 0; i < combo->count(); ++i) {
                    EXPECT_LE(combo->fontMetrics().horizontalAdvance(combo->itemText(i)), room);
                }
            }
            if (const auto* list = qobject_cast<const QAbstractItemView*>(control)) {
                int widest = 0;
                for (int row = 0; row < list->model()->rowCount(); ++row) {
                    widest = std::max(widest, list->fontMetrics().horizontalAdvance(
                                                  list->model()->index(row, 0).data().toString()));
                }
                EXPECT_GT(widest, 0);
                EXPECT_LE(widest, ListTextRoom(*list));
                EXPECT_EQ(list->horizontalScrollBar()->maximum(), 0);
            }
            // What a control shows must not lie under another: a label's
            // words, every other control whole.
            const auto* label = qobject_cast<const QLabel*>(control);
            const std::vector<QRect> shown = label && !label->text().isEmpty()
                                                 ? WordBoxes(*label)
                                                 : std::vector<QRect>{control->geometry()};
            for (const QWidget* other : controls) {
                if (other == control || (qobject_cast<const QLabel*>(other) &&
                                         !qobject_cast<const QLabel*>(other)->text().isEmpty())) {
                    continue;
                }
                for (const QRect& box : shown) {
                    EXPECT_FALSE(box.intersects(other->geometry()))
                        << "under " << other->objectName().toStdString();
                }
            }
        }
    }
}

// The access letter of every menu item and of every dialog button, keyed
// by where it stands.
std::map<std::string, QString> AccessKeys(GameShell& shell,
                                          const std::vector<TemplateDialog*>& dialogs) {
    std::map<std::string, QString> keys;
    std::vector<const QMenu*> menus;
    for (const QAction* popup : shell.window().menuBar()->actions()) {
        keys["popup " + std::to_string(menus.size())] =
            QKeySequence::mnemonic(popup->text()).toString();
        menus.push_back(popup->menu());
    }
    // Submenus join the walk as they are met.
    for (std::size_t m = 0; m < menus.size(); ++m) {
        int line = 0;
        for (const QAction* action : menus[m]->actions()) {
            ++line;
            keys["menu " + std::to_string(m) + " line " + std::to_string(line)] =
                QKeySequence::mnemonic(action->text()).toString();
            if (action->menu()) {
                menus.push_back(action->menu());
            }
        }
    }
    for (std::size_t d = 0; d < dialogs.size(); ++d) {
        for (const QPushButton* button : dialogs[d]->findChildren<QPushButton*>()) {
            keys["dialog " + std::to_string(d) + " button " + button->objectName().toStdString()] =
                QKeySequence::mnemonic(button->text()).toString();
        }
    }
    return keys;
}

TEST_F(EnglishTest, EveryAccessKeyIsTheJapaneseOne) {
    Start(Language::Japanese);
    const std::map<std::string, QString> japanese = AccessKeys(shell(), OpenEveryDialog());
    progress_.reset();
    WriteSettings("[FENX]\nlanguage=en\n");
    StartShell();
    const std::map<std::string, QString> english = AccessKeys(shell(), OpenEveryDialog());
    // 2 popups, 14 + 3 + 3 lines, and the buttons of seven dialogs.
    ASSERT_GT(japanese.size(), 45u);
    EXPECT_EQ(english, japanese);
    EXPECT_EQ(english.at("menu 0 line 2"), QStringLiteral("Alt+D"));
}

} // namespace
} // namespace fenx
