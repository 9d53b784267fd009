#include "app/CVantorDlg.h"
#include "tests/app/FakeWindowSystem.h"
#include "tests/app/OpenMainDialog.h"
#include "app/Translation.h"
#include "tests/app/TestRegistry.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QTest>

namespace vantor {

namespace {

constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kWhite = 0xFFFFFFFF;

}  // namespace

class MonitorTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    windowSystem_ = std::make_unique<FakeWindowSystem>();
    dialog_ = OpenMainDialog(*windowSystem_);
  }

  void cleanup() {
    dialog_.reset();
    windowSystem_.reset();
  }

  void StartsAtTheTopLeftSizedToTheFirstTexture() {
    const TextureSize size = dialog_->engine.GetTextureSize();
    QCOMPARE(dialog_->preview.pos(), QGuiApplication::primaryScreen()->geometry().topLeft());
    QCOMPARE(dialog_->preview.size(), QSize(size.width, size.height));
    QVERIFY(dialog_->preview.isVisible());
    QVERIFY(dialog_->preview.windowFlags().testFlag(Qt::Tool));
    QCOMPARE(dialog_->preview.windowTitle(), QStringLiteral("Texture"));
  }

  void PaintsBlackThenTheTextureThenAWhiteFrame() {
    CMonitor& preview = dialog_->preview;
    const platform::Bitmap& texture = *dialog_->engine.texture;
    const int w = texture.Width();
    const int h = texture.Height();
    preview.resize(w + 20, h + 10);
    const QImage image = Render(preview);

    for (int x = 0; x < w; ++x) {
      QCOMPARE(image.pixel(x, 0), kWhite);
      QCOMPARE(image.pixel(x, h - 1), kWhite);
    }
    for (int y = 0; y < h; ++y) {
      QCOMPARE(image.pixel(0, y), kWhite);
      QCOMPARE(image.pixel(w - 1, y), kWhite);
    }
    QCOMPARE(image.pixel(w, 5), kBlack);
    QCOMPARE(image.pixel(w + 19, h + 9), kBlack);
    QCOMPARE(image.pixel(5, h), kBlack);
    int lit = 0;
    for (int y = 1; y < h - 1; ++y) {
      for (int x = 1; x < w - 1; ++x) {
        QCOMPARE(image.pixel(x, y) & 0xFFFFFF, texture.Pixel(x, y));
        lit += texture.Pixel(x, y) != 0 ? 1 : 0;
      }
    }
    QVERIFY(lit > 0);
  }

  void ASmallerWindowShowsTheTopLeftOfTheTexture() {
    CMonitor& preview = dialog_->preview;
    preview.resize(40, 30);
    const QImage image = Render(preview);
    QCOMPARE(image.size(), QSize(40, 30));
    QCOMPARE(image.pixel(0, 29), kWhite);
    QCOMPARE(image.pixel(39, 0), kWhite);
    QCOMPARE(image.pixel(39, 29) & 0xFFFFFF, dialog_->engine.texture->Pixel(39, 29));
  }

  void PaintsTheCurrentTextureNotACopy() {
    CVantorDlg& d = *dialog_;
    d.engine.textureWidth = 64;
    d.engine.Build();
    const QImage image = Render(d.preview);
    QCOMPARE(image.pixel(63, 5), kWhite);
    QCOMPARE(image.pixel(64, 5), kBlack);
  }

  void WithoutTextureItPaintsBlack() {
    CVantorDlg& d = *dialog_;
    d.engine.texture.reset();
    const QImage image = Render(d.preview);
    QCOMPARE(image.pixel(0, 0), kBlack);
    QCOMPARE(image.pixel(image.width() - 1, image.height() - 1), kBlack);
  }

  void ClosingUnticksShowTextureAndHides() {
    CVantorDlg& d = *dialog_;
    QVERIFY(d.preview.close() || !d.preview.isVisible());
    QVERIFY(!d.preview.isVisible());
    QVERIFY(!d.showTextureBox->isChecked());
    QVERIFY(!d.engine.showTexture);
    QCOMPARE(d.BuildCount(), 0);
    // Hidden, not destroyed: ticking the box shows it again.
    d.showTextureBox->click();
    QVERIFY(d.preview.isVisible());
    QVERIFY(d.engine.showTexture);
  }

  void KeysDoNotCloseIt() {
    CVantorDlg& d = *dialog_;
    QVERIFY(QTest::qWaitForWindowExposed(&d.preview));
    QTest::keyClick(&d.preview, Qt::Key_Escape);
    QVERIFY(d.preview.isVisible());
    QVERIFY(d.showTextureBox->isChecked());
  }

 private:
  static QImage Render(QWidget& widget) {
    QImage image(widget.size(), QImage::Format_RGB32);
    image.fill(Qt::red);
    widget.render(&image);
    return image;
  }

  std::unique_ptr<FakeWindowSystem> windowSystem_;
  std::unique_ptr<CVantorDlg> dialog_;
};

std::unique_ptr<QObject> MakeMonitorTest() { return std::make_unique<MonitorTest>(); }

}  // namespace vantor

#include "MonitorTest.moc"
