#include "app/about_box.h"

#include <QLabel>
#include <QPushButton>
#include <QString>

#include "app/app_icons.h"
#include "res/about_box_template.h"
#include "res/qt/dialog_units.h"
#include "res/qt/string_text.h"
#include "res/resource_ids.h"

namespace curvesmith {
namespace {

// The icon control shows the standard large icon size.
constexpr int kIconPixels = 32;

QWidget* MakeControl(const res::DialogControl& control, QDialog* dialog) {
  const QString text = LoadText(control.text);
  switch (control.kind) {
    case res::ControlKind::kStaticIcon: {
      auto* label = new QLabel(dialog);
      label->setPixmap(ResourceIcon(control.icon_id).pixmap(kIconPixels, kIconPixels));
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      return label;
    }
    case res::ControlKind::kStatic: {
      auto* label = new QLabel(text, dialog);
      label->setTextFormat(Qt::PlainText);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      return label;
    }
    case res::ControlKind::kPushButton: {
      auto* button = new QPushButton(text, dialog);
      const bool is_default = control.styles & res::kStyleDefaultButton;
      button->setDefault(is_default);
      button->setAutoDefault(is_default);
      if (control.id == res::kIdOk) {
        QObject::connect(button, &QPushButton::clicked, dialog, &QDialog::accept);
      }
      return button;
    }
    case res::ControlKind::kEdit:
      break;
  }
  return nullptr;
}

}  // namespace

CAboutBox::CAboutBox(QWidget* parent) : QDialog(parent) {
  const res::DialogTemplate& about = res::AboutBoxTemplate();
  setObjectName("AboutBox");
  setWindowTitle(LoadText(about.caption));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  setModal(true);
  const int dpi = logicalDpiY();
  setFont(DialogFont(about, dpi));

  setFixedSize(DialogRectInPixels({0, 0, about.width, about.height}, dpi).size());
  for (const res::DialogControl& control : about.controls) {
    if (QWidget* widget = MakeControl(control, this)) {
      widget->setGeometry(DialogRectInPixels(control.rect, dpi));
      if (control.id != res::kIdcStatic) widget->setObjectName(QString::number(control.id));
    }
  }
}

}  // namespace curvesmith
