#include "app/QtWindowSystem.h"

#include "app/DesktopHandlers.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QEventLoop>
#include <QTimer>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>

#include <cstdlib>
#include <memory>
#include <utility>

namespace vantor {

namespace {

// Results of the link table.
constexpr int kOpened = 33;
constexpr int kFileNotFound = 2;
constexpr int kAccessDenied = 5;
constexpr int kTransactionFailed = 29;
constexpr int kNoAssociation = 31;

// How long the default handler may take to say whether it could open a target.
constexpr int kHandlerAnswerMs = 5000;

QMessageBox::Icon BoxIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Stop: return QMessageBox::Critical;
    case MessageIcon::Information: return QMessageBox::Information;
  }
  return QMessageBox::NoIcon;
}

std::optional<FileChoice> RunChooser(QFileDialog& chooser, const FileRequest& request) {
  // A program started from the desktop's menu may run in a folder it cannot write,
  // such as its install folder: the chooser then starts in the user's documents.
  if (!QFileInfo(QDir::currentPath()).isWritable()) {
    QString start = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (start.isEmpty() || !QDir(start).exists()) start = QDir::homePath();
    chooser.setDirectory(start);
  }
  if (!request.startPath.isEmpty()) {
    chooser.setDirectory(QFileInfo(request.startPath).absolutePath());
    chooser.selectFile(QFileInfo(request.startPath).fileName());
  }
  const QStringList filters = QStringList{request.filter} + request.moreFilters;
  chooser.setNameFilters(filters);
  chooser.setDefaultSuffix(request.defaultExtension);
  if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty()) return std::nullopt;
  const QString path = chooser.selectedFiles().constFirst();
  const int filter = static_cast<int>(filters.indexOf(chooser.selectedNameFilter()));
  return FileChoice{path, QFileInfo(path).fileName(), filter < 0 ? 0 : filter};
}

// xdg-open's exit codes: 0 success, 1 bad call, 2 no such file, 3 a tool is missing, 4 the action failed.
int ResultOfExitCode(int exitCode) {
  switch (exitCode) {
    case 0: return kOpened;
    case 2: return kFileNotFound;
    default: return kNoAssociation;
  }
}

}  // namespace

QtWindowSystem::QtWindowSystem() = default;

QtWindowSystem::~QtWindowSystem() {
  for (const auto& process : runningHandlers_) {
    // Their answers would reach a window system that is gone.
    process->disconnect();
    process->kill();
    process->waitForFinished(1000);
  }
}

std::optional<FileChoice> QtWindowSystem::ChooseSaveFile(QWidget* owner, const FileRequest& request) {
  QFileDialog chooser(owner);
  chooser.setAcceptMode(QFileDialog::AcceptSave);
  chooser.setFileMode(QFileDialog::AnyFile);
  // The program asks about overwriting itself, after the chooser.
  chooser.setOption(QFileDialog::DontConfirmOverwrite);
  return RunChooser(chooser, request);
}

std::optional<FileChoice> QtWindowSystem::ChooseOpenFile(QWidget* owner, const FileRequest& request) {
  QFileDialog chooser(owner);
  chooser.setAcceptMode(QFileDialog::AcceptOpen);
  // A name that does not exist may be chosen; the command reports it.
  chooser.setFileMode(QFileDialog::AnyFile);
  return RunChooser(chooser, request);
}

MessageAnswer QtWindowSystem::AskOkCancel(QWidget* owner, const QString& text, const QString& caption,
                                          MessageIcon icon) {
  QMessageBox box(BoxIcon(icon), caption, text, QMessageBox::Ok | QMessageBox::Cancel, owner);
  return box.exec() == QMessageBox::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

void QtWindowSystem::ShowMessage(QWidget* owner, const QString& text, const QString& caption, MessageIcon icon) {
  QMessageBox box(BoxIcon(icon), caption, text, QMessageBox::Ok, owner);
  box.exec();
}

int QtWindowSystem::RunModal(QDialog& dialog) { return dialog.exec(); }

int QtWindowSystem::RunMain(QDialog& dialog) {
  // QDialog::exec would make the dialog application-modal, and the window
  // system's close request to the preview would be blocked with everything else.
  dialog.setWindowModality(Qt::NonModal);
  QEventLoop loop;
  QObject::connect(&dialog, &QDialog::finished, &loop, &QEventLoop::quit);
  dialog.show();
  loop.exec(QEventLoop::DialogExec);
  return dialog.result();
}

std::optional<int> QtWindowSystem::PopUpMenu(QWidget* owner, const QPoint& globalPos, const QStringList& items) {
  QMenu menu(owner);
  for (const QString& text : items) menu.addAction(text);
  const QAction* chosen = menu.exec(globalPos);
  const int index = static_cast<int>(menu.actions().indexOf(chosen));
  if (chosen == nullptr || index < 0) return std::nullopt;
  return index;
}

void QtWindowSystem::OpenWithDefaultHandler(const std::string& target, std::function<void(int)> done) {
  auto owned = std::make_unique<QProcess>();
  QProcess* process = owned.get();
  runningHandlers_.push_back(std::move(owned));
  // The answer is given once: when xdg-open ends or fails, or when it is still
  // running after a while, having found a handler that runs in the foreground.
  auto answer = std::make_shared<std::function<void(int)>>(std::move(done));
  const auto reply = [answer](int result) {
    if (!*answer) return;
    const std::function<void(int)> once = std::exchange(*answer, nullptr);
    once(result);
  };
  QObject::connect(process, &QProcess::finished, process, [this, process, reply](int exitCode, QProcess::ExitStatus status) {
    reply(status == QProcess::NormalExit ? ResultOfExitCode(exitCode) : kTransactionFailed);
    Forget(process);
  });
  QObject::connect(process, &QProcess::errorOccurred, process, [this, process, reply](QProcess::ProcessError error) {
    if (error != QProcess::FailedToStart) return;
    reply(kFileNotFound);
    Forget(process);
  });
  QTimer::singleShot(kHandlerAnswerMs, process, [reply] { reply(kOpened); });
  process->start(QStringLiteral("xdg-open"), {QString::fromStdString(target)});
}

void QtWindowSystem::Forget(QProcess* process) {
  // Deleted once its signal handlers have returned.
  for (auto it = runningHandlers_.begin(); it != runningHandlers_.end(); ++it) {
    if (it->get() == process) {
      it->release()->deleteLater();
      runningHandlers_.erase(it);
      return;
    }
  }
}

std::string QtWindowSystem::WebPageHandlerCommand() {
  const char* browser = std::getenv("BROWSER");
  std::string command = FirstBrowserCommand(browser != nullptr ? browser : "");
  if (command.empty()) command = DefaultHandlerCommand("text/html", XdgFoldersFromEnvironment());
  return command;
}

void QtWindowSystem::StartCommand(const std::string& commandLine, std::function<void(int)> done) {
  // Split into arguments and started without a shell: nothing in the line is run as shell syntax.
  QStringList arguments = QProcess::splitCommand(QString::fromStdString(commandLine));
  if (arguments.isEmpty()) {
    done(kFileNotFound);
    return;
  }
  const QString program = arguments.takeFirst();
  if (QProcess::startDetached(program, arguments)) {
    done(kOpened);
    return;
  }
  const QFileInfo info(program);
  done(info.exists() && !info.isExecutable() ? kAccessDenied : kFileNotFound);
}

void QtWindowSystem::Beep() { QApplication::beep(); }

}  // namespace vantor
