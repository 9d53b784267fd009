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
  /// A QMenu of one item.
  std::optional<int> PopUpMenu(QWidget* owner, const QPoint& globalPos, const QStringList& items) override;
  /// Runs xdg-open and maps its exit code onto the link table's results.
  int OpenWithDefaultHandler(const std::string& target) override;
  /// $BROWSER's first command, else the Exec line of the default text/html application.
  std::string WebPageHandlerCommand() override;
  /// Starts the program detached, without a shell.
  int StartCommand(const std::string& commandLine) override;
  /// QApplication::beep.
  void Beep() override;

 private:
  // Handlers that run the opened program in the foreground are left running here.
  std::vector<std::unique_ptr<QProcess>> runningHandlers_;
};

}  // namespace vantor
