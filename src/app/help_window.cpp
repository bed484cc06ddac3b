#include "app/help_window.h"

#include <QKeySequence>
#include <QShortcut>
#include <QUrl>

namespace fenx {

HelpWindow::HelpWindow(QWidget* parent) : QTextBrowser(parent) {
    setWindowFlag(Qt::Window);
    setWindowTitle(QStringLiteral("FENX ヘルプ"));
    setOpenExternalLinks(false);
    setOpenLinks(true);
    resize(560, 640);
    setSource(QUrl(QStringLiteral("qrc:/help/fenx-help.html")));
    for (const QKeySequence& key :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        auto* shortcut = new QShortcut(key, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, &QWidget::close);
    }
}

void HelpWindow::ShowContents() {
    setSource(QUrl(QStringLiteral("qrc:/help/fenx-help.html")));
    scrollToAnchor(QStringLiteral("top"));
    show();
    raise();
    activateWindow();
}

} // namespace fenx
