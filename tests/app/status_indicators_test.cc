#include "app/status_indicators.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMap>
#include <QStatusBar>
#include <QTest>
#include <memory>
#include <optional>

#include "res/resource_ids.h"

namespace curvesmith {
namespace {

// Lock states a test sets at will; ids it has not set are unknown.
class FakeLockStates : public LockStates {
 public:
  explicit FakeLockStates(QMap<int, bool>* states) : states_(states) {}
  std::optional<bool> State(int indicator) const override {
    if (!states_->contains(indicator)) return std::nullopt;
    return states_->value(indicator);
  }

 private:
  QMap<int, bool>* states_;
};

}  // namespace

class StatusIndicatorsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    states_.clear();
    window_ = new QMainWindow;
    indicators_ =
        new StatusIndicators(window_->statusBar(), std::make_unique<FakeLockStates>(&states_));
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_));
  }
  void cleanup() { delete window_; }

  void PanesLeftToRight() {
    const QList<int> ids = {res::kIdIndicatorKana, res::kIdIndicatorCaps, res::kIdIndicatorNum,
                            res::kIdIndicatorScroll};
    int left = indicators_->MessagePane()->geometry().right();
    for (int id : ids) {
      QLabel* pane = indicators_->Indicator(id);
      QVERIFY(pane != nullptr);
      QVERIFY2(pane->geometry().left() > left, qPrintable(QString::number(id)));
      left = pane->geometry().left();
    }
  }

  void IdleTextWhenNothingIsHovered() {
    QCOMPARE(indicators_->MessagePane()->text(), QString("ﾚﾃﾞｨ"));
    QVERIFY(indicators_->MessagePane()->isVisible());
  }

  void PromptReplacesIdleTextWhileHovered() {
    QAction action("x", window_);
    action.setStatusTip("既存のﾌｧｲﾙを開く");
    action.showStatusText(window_);
    QCOMPARE(window_->statusBar()->currentMessage(), QString("既存のﾌｧｲﾙを開く"));
    QVERIFY(!indicators_->MessagePane()->isVisible());

    // Leaving the item sends an empty tip: the idle text comes back.
    QAction leave(window_);
    leave.showStatusText(window_);
    QVERIFY(window_->statusBar()->currentMessage().isEmpty());
    QVERIFY(indicators_->MessagePane()->isVisible());
    QCOMPARE(indicators_->MessagePane()->text(), QString("ﾚﾃﾞｨ"));
  }

  void LocksShowTheirState_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("text");
    QTest::newRow("kana") << res::kIdIndicatorKana << "ｶﾅ";
    QTest::newRow("caps") << res::kIdIndicatorCaps << "CAP";
    QTest::newRow("num") << res::kIdIndicatorNum << "NUM";
    QTest::newRow("scroll") << res::kIdIndicatorScroll << "SCRL";
  }
  void LocksShowTheirState() {
    QFETCH(int, id);
    QFETCH(QString, text);
    QLabel* pane = indicators_->Indicator(id);

    states_[id] = true;
    indicators_->Refresh();
    QCOMPARE(pane->text(), text);
    QVERIFY(pane->isEnabled());

    states_[id] = false;
    indicators_->Refresh();
    QVERIFY(pane->text().isEmpty());
    QVERIFY(pane->isEnabled());
  }

  void UnknownStateIsShownGreyedNeverAsOff() {
    indicators_->Refresh();
    QLabel* caps = indicators_->Indicator(res::kIdIndicatorCaps);
    QCOMPARE(caps->text(), QString("CAP"));
    QVERIFY(!caps->isEnabled());
  }

  void OnlyTheChangedLockChanges() {
    states_[res::kIdIndicatorNum] = true;
    states_[res::kIdIndicatorCaps] = false;
    indicators_->Refresh();
    QCOMPARE(indicators_->Indicator(res::kIdIndicatorNum)->text(), QString("NUM"));
    QVERIFY(indicators_->Indicator(res::kIdIndicatorCaps)->text().isEmpty());
    QVERIFY(!indicators_->Indicator(res::kIdIndicatorScroll)->isEnabled());
  }

  void PaneKeepsItsWidthWhenBlank() {
    QLabel* scroll = indicators_->Indicator(res::kIdIndicatorScroll);
    states_[res::kIdIndicatorScroll] = true;
    indicators_->Refresh();
    const int width_on = scroll->width();
    states_[res::kIdIndicatorScroll] = false;
    indicators_->Refresh();
    QCOMPARE(scroll->width(), width_on);
  }

 private:
  QMap<int, bool> states_;
  QMainWindow* window_ = nullptr;
  StatusIndicators* indicators_ = nullptr;
};

}  // namespace curvesmith

QTEST_MAIN(curvesmith::StatusIndicatorsTest)
#include "status_indicators_test.moc"
