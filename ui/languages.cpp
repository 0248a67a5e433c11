#include "ui/languages.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace vorn {

Languages::~Languages() {
  Remove();
}

void Languages::Remove() {
  if (gameInstalled_) QCoreApplication::removeTranslator(&game_);
  if (qtInstalled_) QCoreApplication::removeTranslator(&qt_);
  gameInstalled_ = qtInstalled_ = false;
}

bool Languages::Use(const QLocale& locale) {
  Remove();
  // English is the language of the code: its texts need no file, and a
  // locale of no translated language finds none.
  if (game_.load(locale, "vorn", "_", ":/i18n")) {
    gameInstalled_ = QCoreApplication::installTranslator(&game_);
  }
  if (qt_.load(locale, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    qtInstalled_ = QCoreApplication::installTranslator(&qt_);
  }
  return gameInstalled_;
}

}  // namespace vorn
