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
  QtWindowSystem();
  ~QtWindowSystem() override;

  std::optional<FileChoice> ChooseSaveFile(QWidget* owner, const FileRequest& request) override;
  std::optional<FileChoice> ChooseOpenFile(QWidget* owner, const FileRequest& request) override;
  MessageAnswer AskOkCancel(QWidget* owner, const QString& text, const QString& caption, MessageIcon icon) override;
  void ShowMessage(QWidget* owner, const QString& text, const QString& caption, MessageIcon icon) override;
  int RunModal(QDialog& dialog) override;
  bool PopUpMenuItem(QWidget* owner, const QPoint& globalPos, const QString& text) override;
  int OpenWithDefaultHandler(const std::string& target) override;
  std::string WebPageHandlerCommand() override;
  int StartCommand(const std::string& commandLine) override;
  void Beep() override;

 private:
  // Handlers that run the opened program in the foreground are left running here.
  std::vector<std::unique_ptr<QProcess>> runningHandlers_;
};

}  // namespace vantor
