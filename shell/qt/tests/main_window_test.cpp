// Mouse clicks go through the window system, as a user's do, so that a modal box blocks them.
#define QTEST_QPA_MOUSE_HANDLING

// moc cannot read the program's Chinese identifiers, and needs none of them.
#ifndef Q_MOC_RUN
#include "shell/qt/main_window.h"
#endif

#include <limits>
#include <memory>

#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "shell/qt/tests/message_box_answerer.h"
#include "tests/e2e/case_table.h"

namespace hexdec {

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void startsEmptyAndActiveWithTheCaretInTheFirstBox();
  void isBuiltFromTheDescription();
  void clicksGiveTheTableResults_data();
  void clicksGiveTheTableResults();
  void theMessageBlocksTheWindowAndFocusReturnsToTheButton();
  void readsAndWritesWholeTexts();
  void tabAndShiftTabFollowTheFocusCycle();
  void otherKeysMoveNoFocus();
  void movingTheFocusKeepsCaretAndSelection();
  void enterStartsNothing();
  void escClosesFromEveryControl_data();
  void escClosesFromEveryControl();
  void escWithModifiersDoesNotClose();
  void focusComesBackAfterAnotherWindowWasActive();

 private:
  QLineEdit* box(const char* utf8Name) const;
  QPushButton* button(const char* utf8Name) const;
  void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  void type(QLineEdit& box, const QString& text);

  std::unique_ptr<MainWindow> window_;
  QLineEdit* box1_ = nullptr;
  QLineEdit* box2_ = nullptr;
  QPushButton* to16_ = nullptr;
  QPushButton* to10_ = nullptr;
};

QLineEdit* MainWindowTest::box(const char* utf8Name) const {
  return window_->findChild<QLineEdit*>(QString::fromUtf8(utf8Name));
}

QPushButton* MainWindowTest::button(const char* utf8Name) const {
  return window_->findChild<QPushButton*>(QString::fromUtf8(utf8Name));
}

void MainWindowTest::init() {
  window_ = std::make_unique<MainWindow>();
  box1_ = box("编辑框1");
  box2_ = box("编辑框2");
  to16_ = button("转16进制");
  to10_ = button("转10进制");
  QVERIFY(box1_ && box2_ && to16_ && to10_);
  window_->showCentred();
  QVERIFY(QTest::qWaitForWindowActive(window_.get()));
}

void MainWindowTest::cleanup() { window_.reset(); }

// A key pressed on the keyboard: delivered by the window system to the active window.
void MainWindowTest::press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
  QTest::keyClick(window_->windowHandle(), key, modifiers);
}

// ASCII text key by key; other text as an input method commits it.
void MainWindowTest::type(QLineEdit& box, const QString& text) {
  box.setFocus();
  const bool ascii =
      std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 128; });
  if (ascii && text.size() <= 40) {
    QTest::keyClicks(&box, text);
  } else {
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(&box, &commit);
  }
  QCOMPARE(box.text(), text);
}

void MainWindowTest::startsEmptyAndActiveWithTheCaretInTheFirstBox() {
  QVERIFY(window_->isActiveWindow());
  QCOMPARE(QApplication::focusWidget(), box1_);
  QCOMPARE(box1_->text(), QString());
  QCOMPARE(box2_->text(), QString());
  QCOMPARE(box1_->cursorPosition(), 0);
}

void MainWindowTest::isBuiltFromTheDescription() {
  QCOMPARE(window_->windowTitle(), QString::fromUtf8("十六进制十进制转换器"));
  QCOMPARE(window_->windowIcon().availableSizes(), (QList<QSize>{{16, 16}, {32, 32}, {48, 48}}));
  // Children in description order, at their places, with their texts.
  const QList<QWidget*> children = window_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  QCOMPARE(children.size(), 4);
  for (int i = 0; i < 4; ++i) {
    const ControlDescription& description =
        kWindowDescription.controls[static_cast<std::size_t>(i)];
    QWidget* control = children[i];
    QCOMPARE(control->objectName(),
             QString::fromUtf8(description.name.data(), qsizetype(description.name.size())));
    const Bounds& b = description.bounds;
    QCOMPARE(control->geometry(), QRect(b.left, b.top, b.width, b.height));
    QVERIFY(control->isVisible() && control->isEnabled());
    QCOMPARE(control->focusPolicy(), Qt::StrongFocus);
  }
  QCOMPARE(to16_->text(), QString::fromUtf8("转为16进制"));
  QCOMPARE(to10_->text(), QString::fromUtf8("转为10进制"));
  for (QPushButton* b : {to16_, to10_}) QVERIFY(!b->isDefault() && !b->autoDefault());
  for (QLineEdit* b : {box1_, box2_}) {
    QCOMPARE(b->maxLength(), std::numeric_limits<int>::max());
    QVERIFY(!b->isReadOnly());
    QCOMPARE(b->echoMode(), QLineEdit::Normal);
  }
  // A fixed size that holds the controls with a margin, and no maximise button.
  QCOMPARE(window_->minimumSize(), window_->maximumSize());
  QVERIFY(window_->width() > 310 + 16 && window_->width() <= 341);
  QVERIFY(window_->height() > 90 + 8 && window_->height() <= 136);
  QVERIFY(!window_->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
  QVERIFY(window_->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
  QVERIFY(window_->windowFlags().testFlag(Qt::WindowCloseButtonHint));
  // The outer rectangle centred on the primary screen.
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  const Point origin = centredOrigin(screen.width(), screen.height(), 341, 136);
  QCOMPARE(window_->frameGeometry().topLeft(), screen.topLeft() + QPoint(origin.x, origin.y));
}

void MainWindowTest::clicksGiveTheTableResults_data() {
  QTest::addColumn<QString>("input");
  QTest::addColumn<QString>("button");
  QTest::addColumn<int>("messages");
  QTest::addColumn<QString>("result");
  const std::vector<e2e::Case> cases = e2e::readCases(CASES_PATH);
  QVERIFY2(cases.size() >= 50, CASES_PATH);
  for (const e2e::Case& c : cases) {
    const QString name =
        QStringLiteral("line %1: %2 %3")
            .arg(c.line)
            .arg(QString::fromStdString(c.button), QString::fromStdString(c.inputSource).left(24));
    QTest::newRow(name.toUtf8().constData())
        << QString::fromStdU16String(c.input) << QString::fromStdString(c.button)
        << int(c.positions.size()) << QString::fromStdString(c.result);
  }
}

void MainWindowTest::clicksGiveTheTableResults() {
  QFETCH(QString, input);
  QFETCH(QString, button);
  QFETCH(int, messages);
  QFETCH(QString, result);
  QPushButton* target = window_->findChild<QPushButton*>(button);
  QVERIFY(target);
  const QString previous = QString::fromUtf8("上次的结果");
  for (const bool bySpaceBar : {false, true}) {
    box1_->clear();
    type(*box1_, input);
    box2_->setText(previous);
    MessageBoxAnswerer answerer(box2_);
    if (bySpaceBar) {
      target->setFocus();
      QTest::keyClick(target, Qt::Key_Space);
    } else {
      QTest::mouseClick(target, Qt::LeftButton);
    }
    QCOMPARE(int(answerer.shown().size()), messages);
    for (const MessageBoxAnswerer::Shown& shown : answerer.shown()) {
      QCOMPARE(shown.title, QString::fromUtf8("信息："));
      QCOMPARE(shown.text, QString::fromUtf8("您输入的数据有误"));
      QCOMPARE(shown.buttons, 1);
      QCOMPARE(shown.icon, QMessageBox::NoIcon);
      QCOMPARE(shown.modality, Qt::ApplicationModal);
      QVERIFY(!shown.hasParent);
      QCOMPARE(shown.watchedText, previous);  // the result is written only after the message
    }
    QCOMPARE(box2_->text(), result);
    QCOMPARE(box1_->text(), input);
  }
}

void MainWindowTest::theMessageBlocksTheWindowAndFocusReturnsToTheButton() {
  type(*box1_, QStringLiteral("G"));
  MessageBoxAnswerer answerer(box2_, [this] {
    QTest::mouseClick(to10_, Qt::LeftButton);
    QTest::mouseClick(to16_, Qt::LeftButton);
    QTest::keyClick(window_->windowHandle(), Qt::Key_Space);  // on the focused button
  });
  QTest::mouseClick(to16_, Qt::LeftButton);
  QCOMPARE(int(answerer.shown().size()), 1);
  QCOMPARE(box1_->text(), QStringLiteral("G"));
  QCOMPARE(box2_->text(), QStringLiteral("0"));
  QVERIFY(QTest::qWaitForWindowActive(window_.get()));
  QCOMPARE(QApplication::focusWidget(), to16_);
}

void MainWindowTest::readsAndWritesWholeTexts() {
  // Through a bridge over the window's own boxes, as the conversions see them.
  QtControlBridge bridge(*box1_, *box2_);
  type(*box1_, QStringLiteral(" 12 "));
  QCOMPARE(bridge.readText(EditBox::编辑框1), Text(" 12 "));
  box1_->clear();
  type(*box1_, QString::fromUtf8("１２"));
  QCOMPARE(bridge.readText(EditBox::编辑框1), Text("\xA3\xB1\xA3\xB2"));
  // Longer than QLineEdit's own limit of 32767 characters.
  box1_->clear();
  type(*box1_, QString(40000, u'F'));
  QCOMPARE(bridge.readText(EditBox::编辑框1), Text(40000, 'F'));
  bridge.writeText(EditBox::编辑框2, "12345");
  bridge.writeText(EditBox::编辑框2, "67");
  QCOMPARE(box2_->text(), QStringLiteral("67"));
  bridge.writeText(EditBox::编辑框2, "");
  QCOMPARE(box2_->text(), QString());
  QCOMPARE(box1_->text().size(), 40000);  // writing one box leaves the other alone
}

void MainWindowTest::tabAndShiftTabFollowTheFocusCycle() {
  for (QWidget* expected : std::initializer_list<QWidget*>{box2_, to16_, to10_, box1_}) {
    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), expected);
  }
  press(Qt::Key_Backtab, Qt::ShiftModifier);
  QCOMPARE(QApplication::focusWidget(), to10_);
  press(Qt::Key_Backtab, Qt::ShiftModifier);
  QCOMPARE(QApplication::focusWidget(), to16_);
  press(Qt::Key_Tab, Qt::ShiftModifier);  // Shift+Tab as some platforms report it
  QCOMPARE(QApplication::focusWidget(), box2_);
}

void MainWindowTest::otherKeysMoveNoFocus() {
  struct Case {
    QWidget* from;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
  };
  const Case cases[] = {
      {box1_, Qt::Key_Tab, Qt::ControlModifier},
      {box1_, Qt::Key_Backtab, Qt::ShiftModifier | Qt::ControlModifier},
      {box2_, Qt::Key_Tab, Qt::AltModifier},
      {to16_, Qt::Key_Right, Qt::NoModifier},  // Qt's own arrow-key focus chain on buttons
      {to16_, Qt::Key_Down, Qt::NoModifier},
      {to10_, Qt::Key_Left, Qt::NoModifier},
      {to10_, Qt::Key_F1, Qt::NoModifier},
  };
  for (const Case& c : cases) {
    c.from->setFocus();
    press(c.key, c.modifiers);
    QCOMPARE(QApplication::focusWidget(), c.from);
  }
  QVERIFY(window_->isVisible());
}

void MainWindowTest::movingTheFocusKeepsCaretAndSelection() {
  // A result written into 编辑框2 is not selected when Tab brings the focus there.
  type(*box1_, QStringLiteral("FF"));
  QTest::mouseClick(to10_, Qt::LeftButton);
  QCOMPARE(box2_->text(), QStringLiteral("255"));
  box2_->setCursorPosition(1);
  box1_->setFocus();
  press(Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), box2_);
  QVERIFY(!box2_->hasSelectedText());
  QCOMPARE(box2_->cursorPosition(), 1);
  // A selection made backwards is hidden while the focus is away and back when it returns.
  box2_->setSelection(3, -2);
  press(Qt::Key_Tab);
  QVERIFY(!box2_->hasSelectedText());
  press(Qt::Key_Backtab, Qt::ShiftModifier);
  QCOMPARE(box2_->selectedText(), QStringLiteral("55"));
  QCOMPARE(box2_->cursorPosition(), 1);
}

void MainWindowTest::enterStartsNothing() {
  type(*box1_, QStringLiteral("G"));
  box2_->setText(QStringLiteral("x"));
  MessageBoxAnswerer answerer;
  for (QWidget* control : std::initializer_list<QWidget*>{box1_, box2_, to16_, to10_}) {
    control->setFocus();
    press(Qt::Key_Return);
    press(Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(QApplication::focusWidget(), control);
  }
  QCOMPARE(int(answerer.shown().size()), 0);
  QCOMPARE(box2_->text(), QStringLiteral("x"));
}

void MainWindowTest::escClosesFromEveryControl_data() {
  QTest::addColumn<QString>("control");
  for (const ControlDescription& control : kWindowDescription.controls) {
    const QString name = QString::fromUtf8(control.name.data(), qsizetype(control.name.size()));
    QTest::newRow(name.toUtf8().constData()) << name;
  }
}

void MainWindowTest::escClosesFromEveryControl() {
  QFETCH(QString, control);
  type(*box1_, QStringLiteral("12"));
  window_->findChild<QWidget*>(control)->setFocus();
  press(Qt::Key_Escape);
  QVERIFY(!window_->isVisible());
}

void MainWindowTest::escWithModifiersDoesNotClose() {
  for (Qt::KeyboardModifiers modifiers : {Qt::ShiftModifier, Qt::ControlModifier}) {
    press(Qt::Key_Escape, modifiers);
    QVERIFY(window_->isVisible());
  }
}

void MainWindowTest::focusComesBackAfterAnotherWindowWasActive() {
  press(Qt::Key_Tab);
  press(Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), to16_);
  {
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QVERIFY(!window_->isActiveWindow());
  }
  window_->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(window_.get()));
  QCOMPARE(QApplication::focusWidget(), to16_);
}

}  // namespace hexdec

QTEST_MAIN(hexdec::MainWindowTest)
#include "main_window_test.moc"
