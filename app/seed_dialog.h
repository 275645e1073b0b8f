#ifndef CURVESMITH_APP_SEED_DIALOG_H_
#define CURVESMITH_APP_SEED_DIALOG_H_

#include <QDialog>
#include <cstdint>
#include <optional>

class QLabel;
class QLineEdit;

namespace curvesmith {

// The seed a text names: a whole number from 0 to 4294967295 in decimal
// digits, blanks around it allowed; nothing for any other text.
std::optional<std::uint32_t> ParseSeed(const QString& text);

// ｼｰﾄﾞを指定して実行...: asks for a seed. OK with a text that is not a seed
// keeps the dialog open and says what it takes; the dialog is accepted only
// with a seed.
class SeedDialog : public QDialog {
  Q_OBJECT

 public:
  // Starts with `initial` in the field, if given (the last run's seed).
  explicit SeedDialog(std::optional<std::uint32_t> initial, QWidget* parent = nullptr);

  // The accepted seed; valid once the dialog has been accepted.
  std::uint32_t Seed() const { return seed_; }

  QLineEdit* Field() const { return field_; }
  QLabel* Message() const { return message_; }

  void accept() override;

 private:
  QLineEdit* field_ = nullptr;
  QLabel* message_ = nullptr;
  std::uint32_t seed_ = 0;
};

}  // namespace curvesmith

#endif  // CURVESMITH_APP_SEED_DIALOG_H_
