#include "app/help_window.h"

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
}

void HelpWindow::ShowContents() {
    setSource(page_);
    scrollToAnchor(QStringLiteral("top"));
    show();
    raise();
    activateWindow();
}

} // namespace fenx
