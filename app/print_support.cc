#include "app/print_support.h"

#include <QDialogButtonBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QString>

#include "app/resource_text.h"
#include "res/resource_ids.h"

namespace curvesmith {

QRect FitOnPage(const QSize& image, const QRect& page) {
  if (image.isEmpty() || page.isEmpty()) return QRect();
  const QSize fitted = image.scaled(page.size(), Qt::KeepAspectRatio);
  return QRect(page.x() + (page.width() - fitted.width()) / 2,
               page.y() + (page.height() - fitted.height()) / 2, fitted.width(), fitted.height());
}

bool PrintImage(QPrinter* printer, const QImage& image) {
  QPainter painter;
  if (!painter.begin(printer)) return false;
  const QRect page = printer->pageLayout().paintRectPixels(printer->resolution());
  // The painter's origin is the printable area's corner.
  const QRect target = FitOnPage(image.size(), QRect(QPoint(0, 0), page.size()));
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(target, image);
  return painter.end();
}

PrintSupport::PrintSupport(QWidget* parent, std::function<QImage()> chart,
                           std::function<void(const QString&)> warn)
    : QObject(parent), parent_(parent), chart_(std::move(chart)), warn_(std::move(warn)) {}

void PrintSupport::Print() {
  QPrintDialog dialog(&printer_, parent_);
  if (dialog.exec() != QDialog::Accepted) return;
  PrintReportingFailure(&printer_);
}

void PrintSupport::PrintDirect() {
  PrintReportingFailure(&printer_);
}

void PrintSupport::PrintPreview() {
  QPrintPreviewDialog preview(&printer_, parent_);
  preview.setWindowTitle(ToolTipOf(res::kIdFilePrintPreview));
  const QImage image = chart_();
  connect(&preview, &QPrintPreviewDialog::paintRequested, this,
          [&image](QPrinter* printer) { PrintImage(printer, image); });
  preview.exec();
}

// The print dialog chooses the printer, and through its properties the paper
// and orientation; here it only keeps the choice for the next print, so its
// button says OK rather than Print.
void PrintSupport::PrinterSetup() {
  QPrintDialog dialog(&printer_, parent_);
  dialog.setWindowTitle(ToolTipOf(res::kIdFilePrintSetup));
  if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
    if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok))
      ok->setText(LoadText(res::kIdsPrintSetupOk));
  }
  dialog.exec();
}

void PrintSupport::PrintReportingFailure(QPrinter* printer) {
  if (PrintImage(printer, chart_())) return;
  const QString where =
      printer->outputFileName().isEmpty() ? printer->printerName() : printer->outputFileName();
  warn_(LoadText(res::kIdsPrintFailed).arg(where));
}

}  // namespace curvesmith
