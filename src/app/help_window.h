// The help window: the game's own help page in a window of its own. Escape
// and Ctrl+W close it, as they close a dialog or a document.
#pragma once

#include <QTextBrowser>

namespace fenx {

class HelpWindow : public QTextBrowser {
    Q_OBJECT
  public:
    explicit HelpWindow(QWidget* parent = nullptr);
    // Shows the window (again) and brings it to the front.
    void ShowContents();
};

} // namespace fenx
