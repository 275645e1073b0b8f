#ifndef CURVESMITH_APP_PRINT_SUPPORT_H_
#define CURVESMITH_APP_PRINT_SUPPORT_H_

#include <QImage>
#include <QObject>
#include <QPrinter>
#include <QRect>
#include <QString>
#include <functional>

class QPainter;
class QWidget;

namespace curvesmith {

// Where `image` goes on a page whose printable area is `page`: as large as
// fits with its proportions kept, centred.
QRect FitOnPage(const QSize& image, const QRect& page);

// Prints `image` on one page of `printer`, scaled to the page. False when the
// printer cannot be started (e.g. an output file that cannot be written).
bool PrintImage(QPrinter* printer, const QImage& image);

// Print, Print Preview and Printer Setup for the chart. `chart` returns the
// chart as it stands on screen at the moment of printing; `warn` tells the
// user when a print fails. One QPrinter keeps the user's choices between
// commands.
class PrintSupport : public QObject {
  Q_OBJECT

 public:
  PrintSupport(QWidget* parent, std::function<QImage()> chart,
               std::function<void(const QString&)> warn);

  // Asks for the printer in the print dialog, then prints.
  void Print();
  // Prints straight to the current printer, without a dialog.
  void PrintDirect();
  // Shows the page as it would print, from where it can be printed.
  void PrintPreview();
  // Lets the user choose the printer, and its paper and orientation, for the
  // next Print and Print Preview.
  void PrinterSetup();

  QPrinter* Printer() { return &printer_; }

 private:
  // Prints, and tells the user if the printer could not be started.
  void PrintReportingFailure(QPrinter* printer);

  QWidget* parent_;
  std::function<QImage()> chart_;
  std::function<void(const QString&)> warn_;
  QPrinter printer_;
};

}  // namespace curvesmith

#endif  // CURVESMITH_APP_PRINT_SUPPORT_H_
