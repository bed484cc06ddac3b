// A running shell with helpers to reach its dialogs and their controls.
#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <vector>

#include "app/shell_fixture.h"
#include "dialogs/dialog_list.h"
#include "dialogs/modeless_dialogs.h"
#include "dialogs/number_edit.h"
#include "dialogs/template_dialog.h"

namespace fenx {

class DialogTest : public ShellTest {
  protected:
    // The open dialog of this kind as its class, or null.
    template <class D>
    D* Opened(DialogKind kind) {
        return qobject_cast<D*>(shell().dialogs().Find(kind));
    }
    // Chooses the menu item and returns the dialog it opened.
    template <class D>
    D* OpenByMenu(int id, DialogKind kind) {
        Choose(id);
        return Opened<D>(kind);
    }

    static void Press(TemplateDialog& dialog, int id) {
        QPushButton* button = dialog.Button(id);
        ASSERT_NE(button, nullptr) << id;
        button->click();
    }
    static QString Text(TemplateDialog& dialog, int id) {
        NumberEdit* edit = dialog.Edit(id);
        return edit ? edit->text() : QStringLiteral("<no edit>");
    }
    // Replaces the edit's text the way a player types it.
    static void Type(TemplateDialog& dialog, int id, const QString& text) {
        NumberEdit* edit = dialog.Edit(id);
        ASSERT_NE(edit, nullptr) << id;
        edit->clear();
        QTest::keyClicks(edit, text);
    }
    // Every field of every line in view is drawn inside the list, left of
    // its scroll bar (which must show) and apart from the next field, with
    // nothing of the line's text left out; no line scrolls sideways.
    // Returns the fields of the lines in view.
    static std::vector<std::vector<DialogList::PlacedField>>
    ExpectLinesShowWhole(DialogList& list) {
        std::vector<std::vector<DialogList::PlacedField>> shown;
        EXPECT_TRUE(QTest::qWaitForWindowExposed(list.window()));
        EXPECT_TRUE(list.verticalScrollBar()->isVisible());
        EXPECT_FALSE(list.horizontalScrollBar()->isVisible());
        const QRect view = list.viewport()->rect();
        for (int row = 0; row < list.model()->rowCount(); ++row) {
            const QModelIndex index = list.model()->index(row, 0);
            const QRect line = list.visualRect(index);
            if (!view.intersects(line)) {
                continue;
            }
            SCOPED_TRACE(row);
            const QString text = index.data().toString();
            const std::vector<DialogList::PlacedField> fields = list.PlaceFields(line, text);
            QStringList words;
            for (std::size_t i = 0; i < fields.size(); ++i) {
                EXPECT_GE(fields[i].rect.left(), view.left());
                EXPECT_LE(fields[i].rect.right(), view.right());
                if (i > 0) {
                    EXPECT_LT(fields[i - 1].rect.right(), fields[i].rect.left());
                }
                words << fields[i].text;
            }
            EXPECT_EQ(words.join(QLatin1Char(' ')), text.simplified());
            shown.push_back(fields);
        }
        EXPECT_GT(shown.size(), 5u);
        return shown;
    }
    // Waits for the fly-in of a stage just started, so the menu works again.
    void WaitForPlay() {
        EXPECT_TRUE(QTest::qWaitFor([this] { return shell().game().Phase() != PhaseOpening; }));
    }
};

} // namespace fenx
