#include "shell/qt/edit_box.h"

#include <limits>

namespace hexdec {

EditBoxWidget::EditBoxWidget(QWidget* parent) : QLineEdit(parent) {
  setMaxLength(std::numeric_limits<int>::max());
}

void EditBoxWidget::focusOutEvent(QFocusEvent* event) {
  hidden_.reset();
  if (hasSelectedText()) {
    const int start = selectionStart();
    hidden_ =
        Selection{text(), cursorPosition() == start ? selectionEnd() : start, cursorPosition()};
  }
  QLineEdit::focusOutEvent(event);
}

void EditBoxWidget::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  if (hidden_ && hidden_->text == text()) {
    setSelection(hidden_->anchor, hidden_->cursor - hidden_->anchor);
  }
  hidden_.reset();
}

}  // namespace hexdec
