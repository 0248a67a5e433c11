// The game in each of its languages: menu captions and their access letters,
// the questions and messages, Qt's own buttons, and windows whose texts fit.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <regex>
#include <string>

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
    // The caption, and the key shown beside it.
    texts.captions[a->objectName()] =
        a->shortcut().isEmpty() ? a->text() : a->text() + '\t' + a->shortcut().toString();
    const QString text = a->text();
    const qsizetype at = text.indexOf('&');
    if (at >= 0 && at + 1 < text.size()) {
      count += letters.contains(text.at(at + 1).toLower());
      letters += text.at(at + 1).toLower();
    }
    if (a->menu()) Read(a->menu(), texts);
  }
}

// The labels, buttons and text boxes of a window that do not show their whole
// text: a button's frame and margins need room beside its caption.
std::string Clipped(const QWidget& window) {
  std::string clipped;
  const auto check = [&](const QWidget* widget, bool fits) {
    if (!fits) clipped += widget->objectName().toStdString() + " ";
  };
  for (const QLabel* label : window.findChildren<QLabel*>()) {
    if (label->text().isEmpty()) continue;
    check(label, label->wordWrap() ? label->heightForWidth(label->width()) <= label->height()
                                   : label->sizeHint().width() <= label->width());
  }
  for (const QPushButton* button : window.findChildren<QPushButton*>()) {
    check(button, button->sizeHint().boundedTo(button->size()) == button->sizeHint());
  }
  for (const QPlainTextEdit* box : window.findChildren<QPlainTextEdit*>()) {
    QTextCursor end(box->document());
    end.movePosition(QTextCursor::End);
    check(box, box->verticalScrollBar()->maximum() == 0 &&
                   box->cursorRect(end).bottom() < box->viewport()->height());
  }
  return clipped;
}

// What clips its text in a fresh About and a fresh Instructions window.
std::string ClippedTexts(Platform& platform) {
  FrmAbout about(nullptr, platform);
  FrmInst inst(nullptr);
  std::string clipped;
  for (QWidget* window : std::initializer_list<QWidget*>{&about, &inst}) {
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
    clipped += Clipped(*window);
  }
  return clipped;
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
  ASSERT_TRUE(languages.Use(QLocale(GetParam().locale)));
  EXPECT_EQ(ClippedTexts(platform), "");
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
  EXPECT_EQ(place("lblDescription"), TwipsRect(1050, 1125, 3885, 1170));
  EXPECT_EQ(place("separator"), TwipsRect(90, 2445, 5564, 45));
  EXPECT_EQ(place("cmdOK"), TwipsRect(4245, 2625, 1260, 345));
  // The caption needs more than the designed width: the button widens leftwards only.
  const QRect sysInfo = TwipsRect(4260, 3075, 1245, 345);
  const int needed = about.findChild<QPushButton*>("cmdSysInfo")->sizeHint().width();
  EXPECT_EQ(place("cmdSysInfo"), sysInfo.adjusted(std::min(0, sysInfo.width() - needed), 0, 0, 0));
  const QFont original = QApplication::font();
  for (int points = 8; points <= 16; ++points) {
    QFont font = original;
    font.setPointSize(points);
    QApplication::setFont(font);
    const std::string clipped = ClippedTexts(platform);  // takes the font change to `about` too
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
    // A letter for each row of pixels down the middle of the line.
    std::string shown;
    for (int y = (separator.top() - 3) * ratio; y < (separator.bottom() + 4) * ratio; ++y) {
      const QRgb colour = image.pixel(separator.center().x() * ratio, y);
      const auto is = [&](QPalette::ColorRole role) { return colour == palette.color(role).rgb(); };
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
