#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>
#include <QWidget>
#include <stdexcept>

#include "platform/Application.h"
#include "platform/Pacing.h"
#include "tests/support/ScriptedModalHost.h"

namespace {

// A control whose handlers fail the way a demonstration's code might.
class Faulty : public QWidget {
 public:
  int keys = 0;

 protected:
  void mousePressEvent(QMouseEvent*) override { throw std::runtime_error("List index out of bounds (5)"); }
  void keyPressEvent(QKeyEvent*) override { ++keys; }
};

}  // namespace

TEST(Application, AnErrorInAHandlerIsShownAndTheProgramGoesOn) {
  ASSERT_NE(dynamic_cast<TApplication*>(QCoreApplication::instance()), nullptr);
  modal::ScriptedHostScope host;
  Faulty w;
  w.resize(50, 50);
  w.show();
  QTest::mouseClick(&w, Qt::LeftButton);
  QTest::keyClick(&w, Qt::Key_A);
  EXPECT_EQ(w.keys, 1) << "the control still answers after its handler failed";

  // A timer's handler runs from the message loop: the same handler catches it.
  bool after = false;
  QTimer::singleShot(0, [] { throw std::invalid_argument("'x' is not a valid integer value"); });
  QTimer::singleShot(0, [&after] { after = true; });
  pacing::ProcessMessages();
  EXPECT_TRUE(after);
  EXPECT_EQ(host->Transcript(), QStringList({QStringLiteral("error List index out of bounds (5)"),
                                             QStringLiteral("error 'x' is not a valid integer value")}));
}
