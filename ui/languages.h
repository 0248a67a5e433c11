#pragma once

#include <QLocale>
#include <QTranslator>

namespace vorn {

// The player's language: the game's own texts, compiled into the program,
// and Qt's (message-box buttons, the file dialog) from the system's Qt
// translations folder. A language the game has no texts in leaves them in
// English, as written in the code.
class Languages {
 public:
  Languages() = default;
  Languages(const Languages&) = delete;
  Languages& operator=(const Languages&) = delete;
  ~Languages();

  // Replaces the translations in use by those of the locale's languages;
  // true when the game's own texts are translated.
  bool Use(const QLocale& locale);

 private:
  void Remove();

  QTranslator game_;
  QTranslator qt_;
  bool gameInstalled_ = false;
  bool qtInstalled_ = false;
};

}  // namespace vorn
