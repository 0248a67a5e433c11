// The game in each of its languages: menu captions and their access letters,
// the questions and messages, Qt's own buttons, and windows whose texts fit.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <regex>
#include <string>
#include <tuple>
#include <utility>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextCursor>

#include "board/end_of_game.h"
#include "platform/message_texts.h"
#include "platform/scripted_platform.h"
#include "ui/form1_window.h"
#include "ui/frm_about.h"
#include "ui/frm_inst.h"
#include "ui/languages.h"
#include "ui/twips.h"

namespace vorn::test {
namespace {

// Every shown item of a menu and its submenus: its caption and key, by object name; and, by
// "#" and the menu's name, how many of its items share an access letter with an earlier one.
std::map<QString, QString> Read(const QMenu* menu, std::map<QString, QString> texts = {}) {
  QString letters;
  int clashes = 0;
  for (const QAction* a : menu->actions()) {
    if (!a->isVisible() || a->isSeparator()) continue;
    // The caption, without what the menu shows beside it, and the key.
    texts[a->objectName()] = a->text().section('\t', 0, 0) + '\t' + a->shortcut().toString();
    if (const qsizetype at = a->text().indexOf('&') + 1; at > 0 && at < a->text().size()) {
      clashes += letters.contains(a->text().at(at).toLower());
      letters += a->text().at(at).toLower();
    }
    if (a->menu()) texts = Read(a->menu(), std::move(texts));
  }
  texts["#" + menu->objectName()] = QString::number(clashes);
  return texts;
}

// The labels, buttons and text boxes of a window, shown, that do not show their whole
// text: a button's frame and margins need room beside its caption.
template <class Window>
std::string Clipped(Window&& window) {
  window.show();
  EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
  std::string clipped;
  const auto check = [&](const QWidget* widget, bool fits) {
    if (!fits) clipped += widget->objectName().toStdString() + " ";
  };
  for (const QLabel* label : window.template findChildren<QLabel*>()) {
    if (label->text().isEmpty()) continue;
    check(label, label->wordWrap() ? label->heightForWidth(label->width()) <= label->height()
                                   : label->sizeHint().width() <= label->width());
  }
  for (const QPushButton* button : window.template findChildren<QPushButton*>()) {
    check(button, button->sizeHint().boundedTo(button->size()) == button->sizeHint());
  }
  for (const QPlainTextEdit* box : window.template findChildren<QPlainTextEdit*>()) {
    QTextCursor end(box->document());
    end.movePosition(QTextCursor::End);
    check(box, box->verticalScrollBar()->maximum() == 0 &&
                   box->cursorRect(end).bottom() < box->viewport()->height());
  }
  return clipped;
}

// Without a translated language every text is the English one, byte for byte; in each
// translated one, the captions (with their keys and access letters), questions, messages
// and help windows are translated at run time and shown whole.
TEST(LanguagesTest, EnglishStaysAsWrittenAndEveryOtherLanguageIsTranslatedAndShownWhole) {
  ScriptedPlatform platform;
  const std::map<QString, QString> english = Read(Form1Window(platform).Menu().mnuPopUp);
  const std::string damaged =
      "/tmp/7.VORN\r\nJump 12 of this saved game is not possible on the board.";
  {
    Languages languages;
    ASSERT_FALSE(languages.Use(QLocale("en_GB")));
    EXPECT_EQ(TranslatedMessage(WonPrompt(7)) + TranslatedMessage(damaged),
              QString::fromStdString(WonPrompt(7) + damaged));
  }
  // Each language's own file: its Undo caption.
  for (const auto& [locale, undo] :
       {std::pair("de_DE", "&Rückgängig"), std::pair("fr_FR", "&Annuler"),
        std::pair("es_ES", "&Deshacer")}) {
    SCOPED_TRACE(locale);
    Languages languages;
    ASSERT_TRUE(languages.Use(QLocale(locale)));
    Form1Window window(platform);
    std::map<QString, QString> translated = Read(window.Menu().mnuPopUp);
    ASSERT_EQ(translated.size(), english.size());
    EXPECT_TRUE(translated["mnuUndo"].startsWith(QString::fromUtf8(undo)));
    for (const auto& [name, text] : english) {
      if (name.startsWith('#')) {
        EXPECT_LE(translated[name].toInt(), text.toInt())
            << "access letters clash in " << name.toStdString();
      } else if (text.contains('&')) {  // not a number only
        EXPECT_NE(translated[name], text) << name.toStdString();
        EXPECT_EQ(translated[name].section('\t', 1), text.section('\t', 1));  // the same key
      }
    }
    platform.msgBoxes.clear();
    window.show();
    QTest::keyClick(window.Picture1(), Qt::Key_F2);
    ASSERT_EQ(platform.msgBoxes.size(), 1u);
    EXPECT_NE(platform.msgBoxes[0].prompt, "Are you sure you want to reset this game");
    // The rules' English texts are translated where the Qt platform shows
    // them, numbers, lines and file names kept; the system's own texts are not.
    for (const auto& [message, kept] :
         {std::pair(WonPrompt(42), "42"), std::pair(damaged, " 12 ")}) {
      const QString shown = TranslatedMessage(message);
      EXPECT_TRUE(shown != QString::fromStdString(message) && shown.contains(kept) &&
                  shown.count("\r\n") == QString::fromStdString(message).count("\r\n"))
          << shown.toStdString();
    }
    EXPECT_TRUE(TranslatedMessage(damaged).startsWith("/tmp/7.VORN\r\n"));
    EXPECT_EQ(TranslatedMessage("No such file or directory"), "No such file or directory");
    EXPECT_NE(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Yes");  // Qt's buttons
    FrmAbout about(nullptr, platform);
    FrmInst inst(nullptr);
    EXPECT_EQ(Clipped(about) + Clipped(inst), "");
    EXPECT_NE(about.windowTitle(), "About VORN Game");
    EXPECT_FALSE(inst.findChild<QPlainTextEdit*>("Text1")->toPlainText().startsWith("The purpose"));
  }
}

// About keeps its design at the default font, a long caption widening only
// its button; at other fonts both windows grow as far as their texts need,
// new or already open.
TEST(EnglishTest, TheAboutAndInstructionsWindowsShowTheirWholeTextsInEveryFontSize) {
  ScriptedPlatform platform;
  FrmAbout about(nullptr, platform);
  about.show();
  const auto place = [&](const char* name) { return about.findChild<QWidget*>(name)->geometry(); };
  EXPECT_EQ(about.size(), TwipsSize(5730, 3555));
  const QRect sysInfo = TwipsRect(4260, 3075, 1245, 345);
  const int needed = about.findChild<QPushButton*>("cmdSysInfo")->sizeHint().width();
  EXPECT_EQ(place("cmdSysInfo"), sysInfo.adjusted(std::min(0, sysInfo.width() - needed), 0, 0, 0));
  const QFont original = QApplication::font();
  for (int points = 8; points <= 16; ++points) {
    QFont font = original;
    font.setPointSize(points);
    QApplication::setFont(font);
    std::string clipped = Clipped(FrmAbout(nullptr, platform));  // new ones, then the open one
    clipped += Clipped(FrmInst(nullptr));
    EXPECT_EQ(clipped + Clipped(about), "") << points << " pt";
  }
  QApplication::setFont(original);
  QCoreApplication::processEvents();
  EXPECT_EQ(about.size(), TwipsSize(5730, 3555));
}

// The etched line above About's buttons: shadow over light, drawn whole in
// any palette and at fractional pixel ratios.
TEST(EnglishTest, TheAboutSeparatorShowsItsShadowAndLightInAnyPaletteAndPixelRatio) {
  ScriptedPlatform platform;
  FrmAbout about(nullptr, platform);
  const QRect separator = about.findChild<QWidget*>("separator")->geometry();
  const std::tuple<qreal, QPalette, const char*> cases[] = {
      {1.0, about.palette(), "w+dllw+"}, {1.5, QPalette(QColor(53, 53, 53)), "w+d+l{2,}w+"}};
  for (const auto& [ratio, palette, rows] : cases) {
    about.setPalette(palette);
    QImage image(about.size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    about.render(&image);
    std::string shown;  // a letter for each row of pixels down the middle of the line
    for (int y = (separator.top() - 3) * ratio; y < (separator.bottom() + 4) * ratio; ++y) {
      const QRgb colour = image.pixel(separator.center().x() * ratio, y);
      const auto is = [&colour, &shownIn = palette](QPalette::ColorRole role) {
        return colour == shownIn.color(role).rgb();
      };
      shown += is(QPalette::Window)  ? 'w'
               : is(QPalette::Dark)  ? 'd'
               : is(QPalette::Light) ? 'l'
                                     : '?';
    }
    EXPECT_TRUE(std::regex_match(shown, std::regex(rows))) << ratio << ": " << shown;
  }
}

}  // namespace
}  // namespace vorn::test
