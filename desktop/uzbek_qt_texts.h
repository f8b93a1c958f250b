#pragma once
// Qt's own dialogs and menus in Uzbek. Qt ships no Uzbek catalogue, so the texts of the
// file dialog, the print preview and print dialogs, the message-box buttons, the text
// boxes' context menu and the undo and redo of corrections that the program shows are
// given here, as a table.

#include <QTranslator>

namespace soatnoma::desktop {

class UzbekQtTexts : public QTranslator {
 public:
  using QTranslator::QTranslator;

  QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                    int n = -1) const override;
  bool isEmpty() const override { return false; }
};

}  // namespace soatnoma::desktop
