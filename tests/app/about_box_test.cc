#include "app/about_box.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "res/about_box_template.h"
#include "res/qt/dialog_units.h"

namespace curvesmith {

class AboutBoxTest : public QObject {
  Q_OBJECT

 private slots:
  void CaptionAndTexts() {
    CAboutBox about;
    QCOMPARE(about.windowTitle(), QString("Curvesmithのﾊﾞｰｼﾞｮﾝ情報"));
    QStringList texts;
    for (const QLabel* label : about.findChildren<QLabel*>()) {
      if (!label->text().isEmpty()) texts << label->text();
    }
    QVERIFY(texts.contains("Curvesmith Version 1.0"));
    QCOMPARE(texts.size(), 2);
  }

  void ShowsTheMainIcon() {
    CAboutBox about;
    int icons = 0;
    for (const QLabel* label : about.findChildren<QLabel*>()) {
      if (!label->pixmap().isNull()) ++icons;
    }
    QCOMPARE(icons, 1);
  }

  void OkIsTheDefaultButtonAndAccepts() {
    CAboutBox about;
    QPushButton* ok = about.findChild<QPushButton*>("1");
    QVERIFY(ok != nullptr);
    QCOMPARE(ok->text(), QString("OK"));
    QVERIFY(ok->isDefault());
    QTimer::singleShot(0, ok, &QPushButton::click);
    QCOMPARE(about.exec(), int(QDialog::Accepted));
  }

  void EscapeCloses() {
    CAboutBox about;
    QTimer::singleShot(0, &about, [&about] { QTest::keyClick(&about, Qt::Key_Escape); });
    QCOMPARE(about.exec(), int(QDialog::Rejected));
  }

  void EnterPressesOk() {
    CAboutBox about;
    QTimer::singleShot(0, &about, [&about] { QTest::keyClick(&about, Qt::Key_Return); });
    QCOMPARE(about.exec(), int(QDialog::Accepted));
  }

  void LaidOutFromTheTemplate() {
    CAboutBox about;
    const res::DialogTemplate& layout = res::AboutBoxTemplate();
    const int dpi = about.logicalDpiY();
    QCOMPARE(about.size(), DialogRectInPixels({0, 0, layout.width, layout.height}, dpi).size());
    QPushButton* ok = about.findChild<QPushButton*>("1");
    QCOMPARE(ok->geometry(), DialogRectInPixels(layout.controls.back().rect, dpi));
  }
};

}  // namespace curvesmith

QTEST_MAIN(curvesmith::AboutBoxTest)
#include "about_box_test.moc"
