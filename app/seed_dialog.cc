#include "app/seed_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>
#include <limits>

#include "app/resource_text.h"
#include "res/resource_ids.h"

namespace curvesmith {
namespace {

constexpr std::uint32_t kLargestSeed = std::numeric_limits<std::uint32_t>::max();

// A string-table text with the largest seed in its place.
QString WithLargestSeed(int id) {
  return LoadText(id).arg(kLargestSeed);
}

}  // namespace

std::optional<std::uint32_t> ParseSeed(const QString& text) {
  static const QRegularExpression kDigits(R"(^\d+$)");
  const QString trimmed = text.trimmed();
  if (!kDigits.match(trimmed).hasMatch()) return std::nullopt;
  bool ok = false;
  const qulonglong value = trimmed.toULongLong(&ok);
  if (!ok || value > kLargestSeed) return std::nullopt;
  return static_cast<std::uint32_t>(value);
}

SeedDialog::SeedDialog(std::optional<std::uint32_t> initial, QWidget* parent) : QDialog(parent) {
  setWindowTitle(LoadText(res::kIdsSeedDialogTitle));
  auto* prompt = new QLabel(WithLargestSeed(res::kIdsSeedPrompt), this);
  field_ = new QLineEdit(this);
  if (initial) field_->setText(QString::number(*initial));
  field_->selectAll();
  prompt->setBuddy(field_);
  // The refusal fits on one line, so showing it does not reflow the dialog.
  message_ = new QLabel(this);
  message_->setMinimumWidth(
      message_->fontMetrics().horizontalAdvance(WithLargestSeed(res::kIdsSeedRefused)));
  message_->hide();

  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(LoadText(res::kIdsSeedOk), QDialogButtonBox::AcceptRole)->setDefault(true);
  buttons->addButton(LoadText(res::kIdsSeedCancel), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &SeedDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &SeedDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(prompt);
  layout->addWidget(field_);
  layout->addWidget(message_);
  layout->addWidget(buttons);
}

void SeedDialog::accept() {
  const auto seed = ParseSeed(field_->text());
  if (!seed) {
    message_->setText(WithLargestSeed(res::kIdsSeedRefused));
    message_->show();
    field_->setFocus();
    field_->selectAll();
    return;
  }
  seed_ = *seed;
  QDialog::accept();
}

}  // namespace curvesmith
