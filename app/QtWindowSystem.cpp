#include "app/QtWindowSystem.h"

#include "app/DesktopHandlers.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>

#include <cstdlib>

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

QtWindowSystem::~QtWindowSystem() = default;

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

std::optional<int> QtWindowSystem::PopUpMenu(QWidget* owner, const QPoint& globalPos, const QStringList& items) {
  QMenu menu(owner);
  for (const QString& text : items) menu.addAction(text);
  const QAction* chosen = menu.exec(globalPos);
  const int index = static_cast<int>(menu.actions().indexOf(chosen));
  if (chosen == nullptr || index < 0) return std::nullopt;
  return index;
}

int QtWindowSystem::OpenWithDefaultHandler(const std::string& target) {
  auto process = std::make_unique<QProcess>();
  process->start(QStringLiteral("xdg-open"), {QString::fromStdString(target)});
  if (!process->waitForStarted()) return kFileNotFound;
  if (!process->waitForFinished(kHandlerAnswerMs)) {
    // Still running: it found a handler and runs it in the foreground.
    runningHandlers_.push_back(std::move(process));
    return kOpened;
  }
  if (process->exitStatus() != QProcess::NormalExit) return kTransactionFailed;
  return ResultOfExitCode(process->exitCode());
}

std::string QtWindowSystem::WebPageHandlerCommand() {
  const char* browser = std::getenv("BROWSER");
  std::string command = FirstBrowserCommand(browser != nullptr ? browser : "");
  if (command.empty()) command = DefaultHandlerCommand("text/html", XdgFoldersFromEnvironment());
  return command;
}

int QtWindowSystem::StartCommand(const std::string& commandLine) {
  // Split into arguments and started without a shell: nothing in the line is run as shell syntax.
  QStringList arguments = QProcess::splitCommand(QString::fromStdString(commandLine));
  if (arguments.isEmpty()) return kFileNotFound;
  const QString program = arguments.takeFirst();
  if (QProcess::startDetached(program, arguments)) return kOpened;
  const QFileInfo info(program);
  return info.exists() && !info.isExecutable() ? kAccessDenied : kFileNotFound;
}

void QtWindowSystem::Beep() { QApplication::beep(); }

}  // namespace vantor
