// moc cannot read the program's Chinese identifiers, and needs none of them.
#ifndef Q_MOC_RUN
#include "shell/qt/program.h"
#endif

#include <cfenv>
#include <new>

#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "shell/qt/out_of_memory.h"
#include "shell/qt/tests/message_box_answerer.h"

namespace hexdec {

// Runs the program's window as main does; `whileRunning` acts on it once it is active.
int runWith(const std::function<void(MainWindow&)>& whileRunning,
            const ClickRunner& runClick = runClickAction) {
  QTimer::singleShot(0, [&whileRunning] {
    MainWindow* window = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (auto* found = qobject_cast<MainWindow*>(widget)) window = found;
    }
    if (window == nullptr || !QTest::qWaitForWindowActive(window)) {
      QCoreApplication::exit(99);
      return;
    }
    whileRunning(*window);
  });
  return runMainWindow(runClick);
}

class ProgramTest : public QObject {
  Q_OBJECT

 private slots:
  void endsWithZeroHoweverTheWindowIsClosed_data() {
    QTest::addColumn<int>("tabs");
    QTest::addColumn<bool>("byEsc");
    QTest::newRow("Esc in 编辑框1") << 0 << true;
    QTest::newRow("Esc on 转16进制") << 2 << true;
    QTest::newRow("Esc on 转10进制") << 3 << true;
    QTest::newRow("close button") << 1 << false;
  }

  void endsWithZeroHoweverTheWindowIsClosed() {
    QFETCH(int, tabs);
    QFETCH(bool, byEsc);
    const int code = runWith([tabs, byEsc](MainWindow& window) {
      QWindow* handle = window.windowHandle();
      QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("12"));
      for (int i = 0; i < tabs; ++i) QTest::keyClick(handle, Qt::Key_Tab);
      if (byEsc) {
        QTest::keyClick(handle, Qt::Key_Escape);
      } else {
        handle->close();  // what the window manager's close button asks for
      }
    });
    QCOMPARE(code, 0);
  }

  void outOfMemoryShowsTheFailureAndEndsWithMinusOne_data() {
    QTest::addColumn<bool>("sizeKnown");
    QTest::newRow("size known") << true;
    QTest::newRow("size unknown") << false;
  }

  void outOfMemoryShowsTheFailureAndEndsWithMinusOne() {
    QFETCH(bool, sizeKnown);
    MessageBoxAnswerer answerer;
    const int code = runWith(
        [](MainWindow& window) {
          QTest::mouseClick(window.findChild<QPushButton*>(QString::fromUtf8("转10进制")),
                            Qt::LeftButton);
        },
        [sizeKnown](ClickAction, ControlBridge&) {
          if (sizeKnown) throw OutOfMemory(123456789);
          throw std::bad_alloc();
        });
    QCOMPARE(code, -1);
    QCOMPARE(int(answerer.shown().size()), 1);
    const MessageBoxAnswerer::Shown& shown = answerer.shown().front();
    QVERIFY(shown.text.contains(QString::fromUtf8("内存不足")));
    QCOMPARE(shown.text.contains(QStringLiteral("123456789")), sizeKnown);
    QCOMPARE(shown.buttons, 1);
    QVERIFY(!shown.hasParent);
  }

  void theProgramIgnoresItsCommandLine() {
    // An option Qt would act on, and fail with, if the program handed it the command line.
    QProcess program;
    program.start(QStringLiteral(HEXDEC_PROGRAM),
                  {QStringLiteral("-platform"), QStringLiteral("nonexistent")});
    QVERIFY(program.waitForStarted());
    QVERIFY2(!program.waitForFinished(2000), program.readAllStandardError().constData());
    program.kill();
    program.waitForFinished();
  }

  void startsWithTheDefaultFloatingPointState() {
    std::fesetround(FE_UPWARD);
    feenableexcept(FE_DIVBYZERO | FE_OVERFLOW);
    int rounding = -1;
    int traps = -1;
    const int code = runWith([&](MainWindow& window) {
      rounding = std::fegetround();
      traps = fegetexcept();
      window.close();
    });
    QCOMPARE(code, 0);
    QCOMPARE(rounding, FE_TONEAREST);
    QCOMPARE(traps, 0);
  }
};

}  // namespace hexdec

QTEST_MAIN(hexdec::ProgramTest)
#include "program_test.moc"
