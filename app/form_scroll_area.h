#ifndef CURVESMITH_APP_FORM_SCROLL_AREA_H_
#define CURVESMITH_APP_FORM_SCROLL_AREA_H_

#include <QScrollArea>

namespace curvesmith {

// The main window's place for the parameter form. The form takes all the room
// the scroll area has, and the window never gives the area less than the
// form's smallest layout (its minimum size hint): a panel docked beside or
// below the form takes room from the form's chart scale, never hides part of
// the form. Only a screen too small for even that layout, with a third of it
// left for the bars and panels, makes the form scroll.
class FormScrollArea : public QScrollArea {
  Q_OBJECT

 public:
  explicit FormScrollArea(QWidget* form, QWidget* parent = nullptr);

  QSize minimumSizeHint() const override;
};

}  // namespace curvesmith

#endif  // CURVESMITH_APP_FORM_SCROLL_AREA_H_
