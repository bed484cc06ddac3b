#include "app/help_window.h"

#include <QKeySequence>
#include <QShortcut>
#include <QUrl>

namespace fenx {

HelpWindow::HelpWindow(Language language, QWidget* parent)
    : QTextBrowser(parent),
      page_(language == Language::English ? QStringLiteral("qrc:/help/fenx-help-en.html")
                                          : QStringLiteral("qrc:/help/fenx-help.html")) {
    setWindowFlag(Qt::Window);
    setWindowTitle(tr("FENX ヘルプ"));
    setOpenExternalLinks(false);
    setOpenLinks(true);
    resize(560, 640);
    setSource(page_);
    for (const QKeySequence& key :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        auto* shortcut = new QShortcut(key, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, &QWidget::close);
    }
}

void HelpWindow::ShowContents() {
    setSource(page_);
    scrollToAnchor(QStringLiteral("top"));
    show();
    raise();
    activateWindow();
}

} // namespace fenx
