#include "app/status_indicators.h"

#include <QFontMetrics>
#include <QLabel>
#include <QStatusBar>
#include <QString>

#include "app/resource_text.h"
#include "res/resource_ids.h"
#include "res/status_indicators.h"

namespace curvesmith {
namespace {

constexpr int kPollMilliseconds = 250;
// Room either side of an indicator's text, in pixels.
constexpr int kIndicatorPadding = 6;

}  // namespace

StatusIndicators::StatusIndicators(QStatusBar* status_bar, std::unique_ptr<LockStates> locks)
    : QObject(status_bar), locks_(std::move(locks)), message_(new QLabel(status_bar)) {
  // An ordinary (not permanent) widget: QStatusBar hides it while a
  // temporary message such as a command's prompt is shown, and shows it
  // again when the message is cleared, which is exactly the idle text's life.
  message_->setObjectName("MessagePane");
  message_->setText(LoadText(res::kIdsIdleMessage));
  status_bar->addWidget(message_, 1);

  for (int id : res::StatusIndicators()) {
    if (id == res::kIdSeparator) continue;
    auto* pane = new QLabel(status_bar);
    pane->setObjectName(QString::number(id));
    pane->setAlignment(Qt::AlignCenter);
    pane->setFrameShape(QFrame::Panel);
    pane->setFrameShadow(QFrame::Sunken);
    // Sized for the text even while blank, so the bar does not jump.
    pane->setMinimumWidth(QFontMetrics(pane->font()).horizontalAdvance(LoadText(id)) +
                          2 * kIndicatorPadding);
    status_bar->addPermanentWidget(pane);
    indicators_.insert(id, pane);
  }
  Refresh();
  poll_.setInterval(kPollMilliseconds);
  connect(&poll_, &QTimer::timeout, this, &StatusIndicators::Refresh);
  poll_.start();
}

void StatusIndicators::Refresh() {
  for (auto it = indicators_.cbegin(); it != indicators_.cend(); ++it) {
    const std::optional<bool> on = locks_->State(it.key());
    QLabel* pane = it.value();
    pane->setText(on.value_or(true) ? LoadText(it.key()) : QString());
    pane->setEnabled(on.has_value());
  }
}

}  // namespace curvesmith
