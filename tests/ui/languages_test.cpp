// The game in each of its languages: menu captions and their access letters,
// the questions and messages, Qt's own buttons, and windows whose texts fit.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "board/end_of_game.h"
#include "platform/message_texts.h"
#include "platform/scripted_platform.h"
#include "ui/form1_window.h"
#include "ui/frm_about.h"
#include "ui/frm_inst.h"
#include "ui/languages.h"

namespace vorn::test {
namespace {

struct Language {
  const char* locale;
  const char* undo;  // the Undo item as shown, with its key
  const char* resetQuestion;
  const char* wonIn42s;  // the win message after 42 seconds
  const char* restoreError;
};

const Language kLanguages[] = {
    {"de_DE", "&Rückgängig\tF8", "Wollen Sie dieses Spiel wirklich neu beginnen?",
     "Glückwunsch, Sie haben gewonnen!\r\nIhre Zeit: 42 Sekunden. Möchten Sie noch einmal "
     "spielen?\r\n",
     "Fehler beim Laden des Spiels"},
    {"fr_FR", "&Annuler\tF8", "Voulez-vous vraiment recommencer cette partie ?",
     "Félicitations, vous avez gagné !\r\nVotre temps : 42 secondes. Voulez-vous rejouer ?\r\n",
     "Erreur au chargement de la partie"},
    {"es_ES", "&Deshacer\tF8", "¿Seguro que quiere reiniciar esta partida?",
     "¡Enhorabuena, ha ganado!\r\nSu tiempo: 42 segundos. ¿Quiere volver a jugar?\r\n",
     "Error al cargar la partida"},
};

void PrintTo(const Language& language, std::ostream* out) {
  *out << language.locale;
}

// Every shown item of a menu and its submenus by object name: its caption;
// and by menu name, how many items share an access letter with an earlier one.
struct MenuTexts {
  std::map<QString, QString> captions;
  std::map<QString, int> clashes;
};
void Read(const QMenu* menu, MenuTexts& texts) {
  QString letters;
  int& count = texts.clashes[menu->objectName()];
  for (const QAction* a : menu->actions()) {
    if (!a->isVisible() || a->isSeparator()) continue;
    texts.captions[a->objectName()] = a->text();
    const QString text = a->text().section('\t', 0, 0);
    const qsizetype at = text.indexOf('&');
    if (at >= 0 && at + 1 < text.size()) {
      count += letters.contains(text.at(at + 1).toLower());
      letters += text.at(at + 1).toLower();
    }
    if (a->menu()) Read(a->menu(), texts);
  }
}

// The labels and buttons of a window whose text does not fit in them.
std::string Clipped(const QWidget& window) {
  std::string clipped;
  for (const QLabel* label : window.findChildren<QLabel*>()) {
    if (label->text().isEmpty()) continue;
    const bool fits = label->wordWrap() ? label->heightForWidth(label->width()) <= label->height()
                                        : label->sizeHint().width() <= label->width();
    if (!fits) clipped += label->objectName().toStdString() + " ";
  }
  for (const QPushButton* button : window.findChildren<QPushButton*>()) {
    const QString text = QString(button->text()).remove('&');
    if (button->fontMetrics().horizontalAdvance(text) > button->width()) {
      clipped += button->objectName().toStdString() + " ";
    }
  }
  return clipped;
}

// The labels and buttons of the About and Instructions windows that clip their
// texts, then how far the instructions scroll.
std::pair<std::string, int> ClippedAndScroll(Platform& platform) {
  FrmAbout about(nullptr, platform);
  FrmInst inst(nullptr);
  std::string clipped;
  for (QWidget* window : std::initializer_list<QWidget*>{&about, &inst}) {
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
    clipped += Clipped(*window);
  }
  return {clipped, inst.findChild<QPlainTextEdit*>("Text1")->verticalScrollBar()->maximum()};
}

class LanguageTest : public ::testing::TestWithParam<Language> {
 protected:
  void TearDown() override { languages.Use(QLocale::c()); }

  // A fresh main window in the language now in use.
  std::unique_ptr<Form1Window> Window() {
    auto window = std::make_unique<Form1Window>(platform);
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    return window;
  }

  Languages languages;
  ScriptedPlatform platform;
};

TEST_P(LanguageTest, MenuCaptionsAreTranslatedWithNoMoreClashingAccessLettersThanEnglish) {
  MenuTexts english, texts;
  Read(Window()->Menu().mnuPopUp, english);
  ASSERT_TRUE(languages.Use(QLocale(GetParam().locale)));
  Read(Window()->Menu().mnuPopUp, texts);
  auto& translated = texts.captions;
  EXPECT_EQ(translated["mnuUndo"], QString::fromUtf8(GetParam().undo));
  ASSERT_EQ(translated.size(), english.captions.size());
  for (const auto& [name, caption] : english.captions) {
    if (!caption.contains('&')) continue;  // a number only
    EXPECT_NE(translated[name], caption) << name.toStdString();
    EXPECT_EQ(translated[name].count('&'), 1) << translated[name].toStdString();
    // The key shown beside an item stays the same.
    EXPECT_EQ(translated[name].section('\t', 1), caption.section('\t', 1));
  }
  for (const auto& [menu, count] : texts.clashes) {
    EXPECT_LE(count, english.clashes[menu]) << menu.toStdString();
  }
}

TEST_P(LanguageTest, TheResetQuestionAndTheRulesMessagesAreTranslated) {
  ASSERT_TRUE(languages.Use(QLocale(GetParam().locale)));
  const auto window = Window();
  QTest::keyClick(window->Picture1(), Qt::Key_F2);
  ASSERT_EQ(platform.msgBoxes.size(), 1u);
  EXPECT_EQ(platform.msgBoxes[0].prompt, GetParam().resetQuestion);

  // The rules' English texts are translated where the Qt platform shows
  // them, numbers and file names kept.
  EXPECT_EQ(TranslatedMessage(WonPrompt(42)).toStdString(), GetParam().wonIn42s);
  EXPECT_EQ(TranslatedMessage("Error Restoring Game").toStdString(), GetParam().restoreError);
  const QString damaged =
      TranslatedMessage("/tmp/7.VORN\r\nJump 12 of this saved game is not possible on the board.");
  EXPECT_TRUE(damaged.startsWith("/tmp/7.VORN\r\n")) << damaged.toStdString();
  EXPECT_TRUE(damaged.contains(" 12 ") && !damaged.contains("Jump")) << damaged.toStdString();
  EXPECT_EQ(TranslatedMessage("No such file or directory").toStdString(),
            "No such file or directory");

  // Qt's own buttons, from the system's Qt translations.
  EXPECT_NE(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Yes");
}

TEST_P(LanguageTest, TheAboutAndInstructionsWindowsShowTheirWholeTranslatedTexts) {
  const int englishScroll = ClippedAndScroll(platform).second;  // the English ones already scroll
  ASSERT_TRUE(languages.Use(QLocale(GetParam().locale)));
  const auto [clipped, scroll] = ClippedAndScroll(platform);
  EXPECT_EQ(clipped, "");
  EXPECT_LE(scroll, englishScroll) << "the instructions scroll further than in English";
  EXPECT_NE(FrmAbout(nullptr, platform).windowTitle(), "About VORN Game");
  EXPECT_FALSE(FrmInst(nullptr).findChild<QPlainTextEdit*>("Text1")->toPlainText().startsWith(
      "The purpose"));
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguageTest, ::testing::ValuesIn(kLanguages),
                         [](const auto& info) {
                           return std::string(info.param.locale).substr(0, 2);
                         });

// Without a translated language every text is the English one, byte for byte.
TEST(EnglishTest, TextsStayAsWrittenInTheCode) {
  Languages languages;
  ASSERT_FALSE(languages.Use(QLocale("en_GB")));
  for (const std::string& text :
       {WonPrompt(7),
        std::string("Sorry, No more moves are posible\r\nWould you like to play again?"),
        std::string("a 1.VORN\r\nJump 3 of this saved game is damaged: it names a hole or ball "
                    "that does not exist.")}) {
    EXPECT_EQ(TranslatedMessage(text).toStdString(), text);
  }
  ScriptedPlatform platform;
  EXPECT_EQ(ClippedAndScroll(platform).first, "");
}

}  // namespace
}  // namespace vorn::test
