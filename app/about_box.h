#ifndef CURVESMITH_APP_ABOUT_BOX_H_
#define CURVESMITH_APP_ABOUT_BOX_H_

#include <QDialog>

namespace curvesmith {

// The About box, laid out from its dialog template: the main icon, the
// program's name and version, a second line, and OK. OK and Escape close it.
// Run it modally with exec().
class CAboutBox : public QDialog {
  Q_OBJECT

 public:
  explicit CAboutBox(QWidget* parent = nullptr);
};

}  // namespace curvesmith

#endif  // CURVESMITH_APP_ABOUT_BOX_H_
