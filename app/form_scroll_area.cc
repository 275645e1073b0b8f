#include "app/form_scroll_area.h"

#include <QScreen>

namespace curvesmith {

FormScrollArea::FormScrollArea(QWidget* form, QWidget* parent) : QScrollArea(parent) {
  setWidget(form);
  setWidgetResizable(true);
  setFrameShape(QFrame::NoFrame);
}

QSize FormScrollArea::minimumSizeHint() const {
  const QSize form = widget()->minimumSizeHint();
  const QScreen* shown_on = screen();
  return shown_on ? form.boundedTo(shown_on->availableSize() * 2 / 3) : form;
}

}  // namespace curvesmith
