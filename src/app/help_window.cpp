#include "app/help_window.h"

#include <QUrl>

namespace fenx {

HelpWindow::HelpWindow(QWidget* parent) : QTextBrowser(parent) {
    setWindowFlag(Qt::Window);
    setWindowTitle(QStringLiteral("FENX ヘルプ"));
    setOpenExternalLinks(false);
    setOpenLinks(true);
    resize(560, 640);
    setSource(QUrl(QStringLiteral("qrc:/help/fenx-help.html")));
}

void HelpWindow::ShowContents() {
    setSource(QUrl(QStringLiteral("qrc:/help/fenx-help.html")));
    scrollToAnchor(QStringLiteral("top"));
    show();
    raise();
    activateWindow();
}

} // namespace fenx
