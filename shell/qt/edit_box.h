#pragma once

#include <optional>

#include <QLineEdit>

namespace hexdec {

// A single-line edit box whose caret and selection stay where they were when the focus leaves
// and comes back, with no length limit of its own. QLineEdit drops the selection when it loses
// the focus; this box hides it instead and shows it again on return, unless the text has changed
// in between.
class EditBoxWidget final : public QLineEdit {
 public:
  explicit EditBoxWidget(QWidget* parent);

 protected:
  void focusOutEvent(QFocusEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  struct Selection {
    QString text;  // shares the box's text, so keeping it copies nothing
    int anchor, cursor;
  };
  std::optional<Selection> hidden_;
};

}  // namespace hexdec
