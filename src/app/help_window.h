// The help window: the game's own help page, in the language the program
// speaks, in a window of its own. Escape and Ctrl+W close it, as they close
// a dialog or a document.
#pragma once

#include <QTextBrowser>
#include <QUrl>

#include "core/language.h"

namespace fenx {

class HelpWindow : public QTextBrowser {
    Q_OBJECT
  public:
    explicit HelpWindow(Language language, QWidget* parent = nullptr);
    // Shows the window (again) and brings it to the front.
    void ShowContents();

  private:
    QUrl page_;
};

} // namespace fenx
