// A running shell with helpers to reach its dialogs and their controls.
#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/shell_fixture.h"
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
    // Waits for the fly-in of a stage just started, so the menu works again.
    void WaitForPlay() {
        EXPECT_TRUE(QTest::qWaitFor([this] { return shell().game().Phase() != PhaseOpening; }));
    }
};

} // namespace fenx
