#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QWidget;

namespace vorn {

// Tells a screen reader what an action did while the keyboard focus stays
// where it is: a hidden notification inside a hidden status bar, shown anew
// for each notice, which screen readers speak whatever has the focus. What
// is said in one turn of the event loop is said as one notice, as a reader
// takes the text when it comes to the event.
class SpokenNotice : public QObject {
 public:
  explicit SpokenNotice(QWidget* window);

  void Say(const QString& text);
  // What was said last, and how many notices were said, for tests.
  const QString& LastSaid() const { return lastSaid_; }
  int SaidCount() const { return saidCount_; }

 private:
  void Flush();

  QWidget* bar_;
  QWidget* notice_;
  QStringList pending_;
  QString lastSaid_;
  int saidCount_ = 0;
};

}  // namespace vorn
