#pragma once

#include "app/WindowSystem.h"

#include <QProcess>

#include <memory>
#include <vector>

namespace vantor {

/// The desktop itself: Qt's file choosers, message boxes and menus,
/// xdg-open and the desktop's web-page handler, and the system beep.
class QtWindowSystem : public WindowSystem {
 public:
  /// A window system with no handler left running.
  QtWindowSystem();
  /// Ends the default handlers still running (not the programs they started).
  ~QtWindowSystem() override;

  /// Qt's save chooser, with no overwrite question of its own.
  std::optional<FileChoice> ChooseSaveFile(QWidget* owner, const FileRequest& request) override;
  /// Qt's open chooser; a name that does not exist may be chosen.
  std::optional<FileChoice> ChooseOpenFile(QWidget* owner, const FileRequest& request) override;
  /// A QMessageBox with OK and Cancel.
  MessageAnswer AskOkCancel(QWidget* owner, const QString& text, const QString& caption, MessageIcon icon) override;
  /// A QMessageBox with OK.
  void ShowMessage(QWidget* owner, const QString& text, const QString& caption, MessageIcon icon) override;
  /// QDialog::exec.
  int RunModal(QDialog& dialog) override;
  /// Shows the dialog and runs an event loop of its own until it ends, blocking no other window.
  int RunMain(QDialog& dialog) override;
  /// A QMenu of one item.
  std::optional<int> PopUpMenu(QWidget* owner, const QPoint& globalPos, const QStringList& items) override;
  /// Starts xdg-open and maps its exit code onto the link table's results when it
  /// ends; one still running after a while has found its handler and counts as opened.
  void OpenWithDefaultHandler(const std::string& target, std::function<void(int)> done) override;
  /// $BROWSER's first command, else the Exec line of the default text/html application.
  std::string WebPageHandlerCommand() override;
  /// Starts the program detached, without a shell.
  void StartCommand(const std::string& commandLine, std::function<void(int)> done) override;
  /// QApplication::beep.
  void Beep() override;

 private:
  void Forget(QProcess* process);

  // Default handlers started and not yet ended; those that run the opened program
  // in the foreground stay here until they end or the window system goes.
  std::vector<std::unique_ptr<QProcess>> runningHandlers_;
};

}  // namespace vantor
