#pragma once

#include <functional>
#include <utility>
#include <vector>

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace hexdec {

// Answers every message box the application shows, as soon as an event loop runs, by clicking
// its first button; records what each box showed and what `watched` held meanwhile. `whileShown`
// runs once, while the first box is shown, before it is answered.
class MessageBoxAnswerer {
 public:
  struct Shown {
    QString title, text;
    qsizetype buttons;
    QMessageBox::Icon icon;
    Qt::WindowModality modality;
    bool hasParent;
    QString watchedText;
  };

  explicit MessageBoxAnswerer(const QLineEdit* watched = nullptr,
                              std::function<void()> whileShown = {})
      : watched_(watched), whileShown_(std::move(whileShown)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] { answer(); });
    timer_.start(0);
  }

  const std::vector<Shown>& shown() const { return shown_; }

 private:
  void answer() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      auto* box = qobject_cast<QMessageBox*>(window);
      if (box == nullptr || !box->isVisible() || box->property("answered").toBool()) continue;
      box->setProperty("answered", true);
      shown_.push_back({box->windowTitle(), box->text(), box->buttons().size(), box->icon(),
                        box->windowModality(), box->parent() != nullptr,
                        watched_ != nullptr ? watched_->text() : QString()});
      // Outside this timer's handler, so that the polling goes on should `whileShown` bring
      // another box.
      QTimer::singleShot(0, box, [this, box] {
        if (whileShown_) std::exchange(whileShown_, {})();
        if (!box->buttons().isEmpty()) box->buttons().front()->click();
      });
      return;
    }
  }

  const QLineEdit* watched_;
  std::function<void()> whileShown_;
  std::vector<Shown> shown_;
  QTimer timer_;
};

}  // namespace hexdec
