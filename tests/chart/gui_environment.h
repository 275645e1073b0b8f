#ifndef CURVESMITH_TESTS_CHART_GUI_ENVIRONMENT_H_
#define CURVESMITH_TESTS_CHART_GUI_ENVIRONMENT_H_

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <memory>

namespace curvesmith::chart::testing {

// Fonts need a GUI application; the offscreen platform needs no display.
class GuiEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    application_ = std::make_unique<QGuiApplication>(argc_, argv_);
  }
  void TearDown() override { application_.reset(); }

 private:
  int argc_ = 1;
  char name_[16] = "chart_qt_test";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QGuiApplication> application_;
};

// One application for the whole test program, however many of its files
// include this.
inline const auto* const kGuiEnvironment = ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

}  // namespace curvesmith::chart::testing

#endif  // CURVESMITH_TESTS_CHART_GUI_ENVIRONMENT_H_
