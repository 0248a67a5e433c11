#include "platform/message_texts.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>

namespace vorn {

namespace {

constexpr char kContext[] = "Messages";

// Every English text that reaches the player from the standard C++ code. A
// number in a text is written %1 here.
const char* const kKnownTexts[] = {
    // The end of a game.
    QT_TRANSLATE_NOOP("Messages", "Congratulations, You have Won!"),
    QT_TRANSLATE_NOOP("Messages", "Your time was:%1 Seconds. Would you like to play again?"),
    QT_TRANSLATE_NOOP("Messages", "Sorry, No more moves are posible"),
    QT_TRANSLATE_NOOP("Messages", "Would you like to play again?"),
    // Saving and restoring games: titles, file types and reasons.
    QT_TRANSLATE_NOOP("Messages", "Error Saving Game"),
    QT_TRANSLATE_NOOP("Messages", "Error Restoring Game"),
    QT_TRANSLATE_NOOP("Messages", "All Files (*.*)"),
    QT_TRANSLATE_NOOP("Messages", "VORN Game Files(*.VORN)"),
    QT_TRANSLATE_NOOP("Messages",
                      "Jump %1 of this saved game is damaged: it names a hole or ball that does "
                      "not exist."),
    QT_TRANSLATE_NOOP("Messages", "Jump %1 of this saved game is not possible on the board."),
    QT_TRANSLATE_NOOP("Messages", "This saved game has more jumps than any game can have."),
    QT_TRANSLATE_NOOP("Messages", "Is a directory, not a file"),
    QT_TRANSLATE_NOOP(
        "Messages", "Not a regular file (a device, a pipe, a socket or a loop of symbolic links)"),
    QT_TRANSLATE_NOOP("Messages", "The file's old contents could not all be put back."),
    // The settings file.
    QT_TRANSLATE_NOOP("Messages", "Another copy of VORN kept it locked"),
    QT_TRANSLATE_NOOP(
        "Messages",
        "It is larger (%1 bytes) than any settings file VORN writes, and is left alone"),
};

const QSet<QString>& KnownTexts() {
  static const QSet<QString> known = [] {
    QSet<QString> texts;
    for (const char* text : kKnownTexts) texts.insert(QString::fromUtf8(text));
    return texts;
  }();
  return known;
}

QString TranslatedLine(const QString& line) {
  if (KnownTexts().contains(line)) return QCoreApplication::translate(kContext, line.toUtf8());
  static const QRegularExpression number("\\d+");
  const QRegularExpressionMatch match = number.match(line);
  if (!match.hasMatch()) return line;
  QString pattern = line;
  pattern.replace(match.capturedStart(), match.capturedLength(), "%1");
  if (!KnownTexts().contains(pattern)) return line;
  return QCoreApplication::translate(kContext, pattern.toUtf8()).arg(match.captured());
}

}  // namespace

QString TranslatedMessage(const std::string& text) {
  QStringList lines = QString::fromStdString(text).split("\r\n");
  for (QString& line : lines) line = TranslatedLine(line);
  return lines.join("\r\n");
}

}  // namespace vorn
