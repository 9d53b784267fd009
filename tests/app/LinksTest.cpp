#include "app/CAbout.h"
#include "app/CAboutDlg.h"
#include "app/CLiNks.h"
#include "app/DialogBuilder.h"
#include "app/OpenLink.h"
#include "app/QtWindowSystem.h"
#include "tests/app/FakeWindowSystem.h"
#include "app/Translation.h"
#include "tests/app/TestRegistry.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QEnterEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>

namespace vantor {

namespace {

const QColor kBlue(0, 0, 238);
const QColor kPurple(85, 26, 139);

void Click(QLabel& label) {
  const QPointF inside(2, 2);
  QMouseEvent press(QEvent::MouseButtonPress, inside, label.mapToGlobal(inside), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(&label, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, inside, label.mapToGlobal(inside), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(&label, &release);
}

void Enter(QLabel& label) {
  QEnterEvent event(QPointF(2, 2), QPointF(2, 2), label.mapToGlobal(QPointF(2, 2)));
  QApplication::sendEvent(&label, &event);
}

void Leave(QLabel& label) {
  QEvent event(QEvent::Leave);
  QApplication::sendEvent(&label, &event);
}

QColor Drawn(const QLabel& label) { return label.palette().color(QPalette::WindowText); }

}  // namespace

// PATH with `folder` first while it lives.
class ScopedPath {
 public:
  explicit ScopedPath(const QString& folder) : saved_(qgetenv("PATH")) {
    qputenv("PATH", folder.toUtf8() + ":" + saved_);
  }
  ~ScopedPath() { qputenv("PATH", saved_); }

 private:
  QByteArray saved_;
};

void WriteScript(const QString& path, const QByteArray& body) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write("#!/bin/sh\n" + body);
  file.close();
  file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

class LinksTest : public QObject {
  Q_OBJECT

 private slots:
  // The real openers, started as processes: a slow one never holds the program up,
  // and a failing one hands over to the next.
  void ASlowOpenerNeverHoldsTheAboutBoxUp() {
    QTemporaryDir bin;
    WriteScript(bin.filePath("xdg-open"), "sleep 3\n");
    const ScopedPath path(bin.path());
    QtWindowSystem desktop;
    CAbout about(desktop, nullptr);
    about.show();
    QElapsedTimer clock;
    clock.start();
    about.webLink.OnClicked();
    QTest::keyClick(&about, Qt::Key_Escape);
    QVERIFY(!about.isVisible());
    QVERIFY2(clock.elapsed() < 200, qPrintable(QString::number(clock.elapsed())));
  }

  void AFailingOpenerHandsOverToTheWebPageHandler() {
    QTemporaryDir bin;
    WriteScript(bin.filePath("xdg-open"), "exit 4\n");
    WriteScript(bin.filePath("browse"), "echo \"$1\" > \"$(dirname \"$0\")/opened\"\n");
    const ScopedPath path(bin.path());
    qputenv("BROWSER", bin.filePath("browse").toUtf8() + " %s");
    QtWindowSystem desktop;
    CAbout about(desktop, nullptr);
    about.webLink.OnClicked();
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(bin.filePath("opened")), 5000);
    QTRY_VERIFY(about.webLink.visited);
    qunsetenv("BROWSER");
  }

  void init() {
    LoadLanguages();
    windowSystem_ = std::make_unique<FakeWindowSystem>();
    label_ = std::make_unique<QLabel>(QStringLiteral("www.example.org"));
    label_->resize(120, 20);
    link_ = std::make_unique<CLiNks>(*windowSystem_);
    link_->OnAttach(label_.get());
    link_->SetTarget("https://www.example.org");
  }

  void cleanup() {
    link_.reset();
    label_.reset();
    windowSystem_.reset();
  }

  void ColoursFollowTheState_data() {
    QTest::addColumn<bool>("hover");
    QTest::addColumn<bool>("visited");
    QTest::addColumn<QString>("colour");
    QTest::newRow("new") << false << false << "blue";
    QTest::newRow("visited") << false << true << "purple";
    QTest::newRow("hover") << true << false << "highlight";
    QTest::newRow("hover wins over visited") << true << true << "highlight";
  }

  void ColoursFollowTheState() {
    QFETCH(bool, hover);
    QFETCH(bool, visited);
    QFETCH(QString, colour);
    link_->hover = hover;
    link_->visited = visited;
    const QColor expected = colour == "blue" ? kBlue : colour == "purple" ? kPurple : link_->hoverColour;
    QCOMPARE(link_->TextColour(), expected);
  }

  void TheMouseOverTheLinkHighlightsItAtOnce() {
    QCOMPARE(Drawn(*label_), kBlue);
    Enter(*label_);
    QVERIFY(link_->hover);
    QCOMPARE(Drawn(*label_), link_->hoverColour);
    Leave(*label_);
    QVERIFY(!link_->hover);
    QCOMPARE(Drawn(*label_), kBlue);
  }

  void ASuccessfulClickTurnsItPurpleOnceTheMouseLeaves() {
    windowSystem_->defaultHandlerResult = 42;
    Enter(*label_);
    Click(*label_);
    QVERIFY(link_->visited);
    QCOMPARE(Drawn(*label_), link_->hoverColour);
    Leave(*label_);
    QCOMPARE(Drawn(*label_), kPurple);
    QCOMPARE(windowSystem_->opened, std::vector<std::string>{"https://www.example.org"});
    QCOMPARE(windowSystem_->beeps, 0);
  }

  void AFailedClickBeepsReportsAndForgetsTheVisit() {
    link_->visited = true;
    windowSystem_->defaultHandlerResult = 31;
    Click(*label_);
    QVERIFY(!link_->visited);
    QCOMPARE(windowSystem_->beeps, 1);
    QCOMPARE(windowSystem_->messages.size(), std::size_t{1});
    QCOMPARE(windowSystem_->messages[0].text,
             QString::fromUtf8(LinkFailureReport(31)));
    QCOMPARE(Drawn(*label_), kBlue);
  }

  void LooksLikeALink() {
    QVERIFY(label_->font().underline());
    QCOMPARE(label_->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(label_->text(), QStringLiteral("www.example.org"));
    QCOMPARE(link_->ToolTipText(), QStringLiteral("https://www.example.org"));
  }

  void AnEmptyLabelShowsItsTarget() {
    QLabel empty;
    CLiNks link(*windowSystem_);
    link.target = "https://example.org/x";
    link.OnAttach(&empty);
    QCOMPARE(empty.text(), QStringLiteral("https://example.org/x"));
  }

  void TheAboutDialogShowsTwoLinksWithFullTargets() {
    CAbout about(*windowSystem_, nullptr);
    QCOMPARE(about.windowTitle(), QStringLiteral("About Vantor"));
    QCOMPARE(FindControl<QLabel>(about, 1022)->text(), QStringLiteral("\u00A9 2026 The Vantor developers"));
    auto* web = FindControl<QLabel>(about, 1032);
    auto* mail = FindControl<QLabel>(about, 1033);
    QCOMPARE(web->text(), QStringLiteral("example.org"));
    QCOMPARE(web->toolTip(), QStringLiteral("https://example.org"));
    QCOMPARE(mail->text(), QStringLiteral("vantor@example.org"));
    QCOMPARE(mail->toolTip(), QStringLiteral("mailto:vantor@example.org"));
    QVERIFY(web->font().underline());
    QCOMPARE(Drawn(*mail), kBlue);
    QVERIFY(!about.webLink.visited);
    QVERIFY(!about.mailLink.visited);
  }

  void TheMenuAboutDialogHasInertLabels() {
    CAboutDlg about(nullptr);
    QCOMPARE(about.windowTitle(), QStringLiteral("About Vantor"));
    auto* web = FindControl<QLabel>(about, 1032);
    QVERIFY(web->toolTip().isEmpty());
    QVERIFY(!web->font().underline());
    Click(*web);
    QVERIFY(windowSystem_->opened.empty());
    QCOMPARE(FindControl<QLabel>(about, 1031)->text(), QStringLiteral("Vantor Version 1.0"));
  }

  void CommandLinesAreCutAtTheirPlaceholder_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("cut");
    QTest::newRow("quoted %1") << R"("C:\browser.exe" -url "%1" -new)" << R"("C:\browser.exe" -url )";
    QTest::newRow("bare %1") << "browser %1 --new-tab" << "browser ";
    QTest::newRow("desktop %u") << "firefox-esr %u" << "firefox-esr ";
    QTest::newRow("desktop %U") << "chromium %U" << "chromium ";
    QTest::newRow("browser %s") << "w3m %s" << "w3m ";
    QTest::newRow("none") << "browser --new-window" << "browser --new-window";
    QTest::newRow("quoted wins over an earlier bare one") << R"(run %1 "%u")" << "run %1 ";
  }

  void CommandLinesAreCutAtTheirPlaceholder() {
    QFETCH(QString, command);
    QFETCH(QString, cut);
    QCOMPARE(QString::fromStdString(CutAtPlaceholder(command.toStdString())), cut);
  }

  void OpenLinkFallsBackToTheWebPageHandler_data() {
    QTest::addColumn<int>("defaultResult");
    QTest::addColumn<QString>("handler");
    QTest::addColumn<int>("startResult");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("started");
    QTest::newRow("default opens") << 33 << "browser %u" << 33 << 33 << "";
    QTest::newRow("falls back") << 31 << "browser %u" << 33 << 33 << "browser  mailto:a@example.org";
    QTest::newRow("fallback fails") << 31 << "\"browser\" \"%1\"" << 2 << 2 << "\"browser\"  mailto:a@example.org";
    QTest::newRow("no handler") << 2 << "" << 33 << 2 << "";
  }

  void OpenLinkFallsBackToTheWebPageHandler() {
    QFETCH(int, defaultResult);
    QFETCH(QString, handler);
    QFETCH(int, startResult);
    QFETCH(int, result);
    QFETCH(QString, started);
    windowSystem_->defaultHandlerResult = defaultResult;
    windowSystem_->webPageHandler = handler.toStdString();
    windowSystem_->startResult = startResult;
    int answer = -1;
    OpenLink("mailto:a@example.org", *windowSystem_, [&answer](int r) { answer = r; });
    QCOMPARE(answer, result);
    QCOMPARE(windowSystem_->started.empty() ? QString() : QString::fromStdString(windowSystem_->started[0]), started);
  }

  void FailureReportsUseTheTable_data() {
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << "The operating system is out\nof memory or resources.";
    QTest::newRow("2") << 2 << "The specified file was not found.";
    QTest::newRow("26 ends with a blank") << 26 << "A sharing violation occurred. ";
    QTest::newRow("31") << 31 << "There is no application associated\nwith the given filename extension.";
    QTest::newRow("32") << 32 << "The specified dynamic-link library was not found.";
    QTest::newRow("1") << 1 << "Unknown Error (1) occurred.";
    QTest::newRow("-7") << -7 << "Unknown Error (-7) occurred.";
  }

  void FailureReportsUseTheTable() {
    QFETCH(int, result);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(LinkFailureReport(result)), QStringLiteral("Unable to open LiNks:\n\n") + text);
  }

 private:
  std::unique_ptr<FakeWindowSystem> windowSystem_;
  std::unique_ptr<QLabel> label_;
  std::unique_ptr<CLiNks> link_;
};

std::unique_ptr<QObject> MakeLinksTest() { return std::make_unique<LinksTest>(); }

}  // namespace vantor

#include "LinksTest.moc"
