#pragma once

#include "app/WindowSystem.h"

#include <QDialog>
#include <QFileInfo>
#include <QStringList>

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vantor {

/// A message box the program showed.
struct ShownMessage {
  QString text;
  QString caption;
  MessageIcon icon;
  bool okCancel;
};

/// Stands in for the user and the desktop: records every call and answers
/// from scripts (an empty script answers "cancel" or "failed").
class FakeWindowSystem : public WindowSystem {
 public:
  std::optional<FileChoice> ChooseSaveFile(QWidget*, const FileRequest& request) override {
    saveRequests.push_back(request);
    std::optional<FileChoice> choice = Choice(savePaths);
    if (choice) choice->filter = saveFilter;
    return choice;
  }
  std::optional<FileChoice> ChooseOpenFile(QWidget*, const FileRequest& request) override {
    openRequests.push_back(request);
    return Choice(openPaths);
  }
  MessageAnswer AskOkCancel(QWidget*, const QString& text, const QString& caption, MessageIcon icon) override {
    messages.push_back({text, caption, icon, true});
    return Next(answers).value_or(MessageAnswer::Cancel);
  }
  void ShowMessage(QWidget*, const QString& text, const QString& caption, MessageIcon icon) override {
    messages.push_back({text, caption, icon, false});
  }
  int RunModal(QDialog& dialog) override {
    modalTitles.push_back(dialog.windowTitle());
    if (onModal) onModal(dialog);
    return QDialog::Rejected;
  }
  std::optional<int> PopUpMenu(QWidget*, const QPoint&, const QStringList& items) override {
    menuItems = items;
    return chosenMenuItem;
  }
  int OpenWithDefaultHandler(const std::string& target) override {
    opened.push_back(target);
    return defaultHandlerResult;
  }
  std::string WebPageHandlerCommand() override { return webPageHandler; }
  int StartCommand(const std::string& commandLine) override {
    started.push_back(commandLine);
    return startResult;
  }
  void Beep() override { ++beeps; }

  std::deque<QString> savePaths;  ///< paths the save chooser answers, in turn; empty cancels
  std::deque<QString> openPaths;  ///< paths the open chooser answers, in turn; empty cancels
  std::deque<MessageAnswer> answers;                  ///< answers of OK/Cancel boxes, in turn
  std::optional<int> chosenMenuItem;  ///< the item the pop-up menu answers; none cancels
  int saveFilter = 0;                 ///< the filter the save chooser answers with
  int defaultHandlerResult = 31;
  std::string webPageHandler;
  int startResult = 33;
  std::function<void(QDialog&)> onModal;  ///< looks at a modal dialog while it "runs"

  std::vector<FileRequest> saveRequests;
  std::vector<FileRequest> openRequests;
  std::vector<ShownMessage> messages;
  QStringList modalTitles;
  QStringList menuItems;
  std::vector<std::string> opened;
  std::vector<std::string> started;
  int beeps = 0;

 private:
  static std::optional<FileChoice> Choice(std::deque<QString>& script) {
    if (script.empty()) return std::nullopt;
    const QString path = script.front();
    script.pop_front();
    if (path.isEmpty()) return std::nullopt;
    return FileChoice{path, QFileInfo(path).fileName()};
  }
  static std::optional<MessageAnswer> Next(std::deque<MessageAnswer>& script) {
    if (script.empty()) return std::nullopt;
    MessageAnswer next = script.front();
    script.pop_front();
    return next;
  }
};

}  // namespace vantor
