#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <string>

class QDialog;
class QWidget;

namespace vantor {

/// What a file chooser is asked for: its filters and the extension a bare name gets.
struct FileRequest {
  QString filter;            ///< the first filter, e.g. "TGA (*.tga)"
  QString defaultExtension;  ///< appended to a name typed without an extension, e.g. "tga"
  QStringList moreFilters;   ///< filters offered after the first one
  QString startPath;         ///< the folder and name the chooser starts with; empty: its own choice
};

/// What a file chooser answers when the user picked a name.
struct FileChoice {
  QString path;      ///< full path
  QString fileName;  ///< name with extension, without folder
  int filter = 0;    ///< the filter chosen: 0 for the first, 1 for the first of moreFilters, ...
};

/// The icon of a message box.
enum class MessageIcon { Warning, Stop, Information };

/// The button the user ended a message box with.
enum class MessageAnswer { Ok, Cancel };

/// Every effect of the program that reaches the desktop: choosers, message
/// boxes, modal dialogs and menus, links, external programs and the beep.
/// The dialogs receive one and never call the desktop themselves, so a test
/// can stand in for the user.
class WindowSystem {
 public:
  virtual ~WindowSystem() = default;

  /// Asks for a file name to save to; nullopt when the user cancels. Never asks about overwriting.
  virtual std::optional<FileChoice> ChooseSaveFile(QWidget* owner, const FileRequest& request) = 0;
  /// Asks for a file name to open (a name that does not exist may be chosen); nullopt when the user cancels.
  virtual std::optional<FileChoice> ChooseOpenFile(QWidget* owner, const FileRequest& request) = 0;
  /// Shows a modal box with OK and Cancel; returns the button pressed (Cancel also for Esc and the close box).
  virtual MessageAnswer AskOkCancel(QWidget* owner, const QString& text, const QString& caption,
                                    MessageIcon icon) = 0;
  /// Shows a modal box with an OK button only.
  virtual void ShowMessage(QWidget* owner, const QString& text, const QString& caption, MessageIcon icon) = 0;
  /// Runs `dialog` modally and returns its result code.
  virtual int RunModal(QDialog& dialog) = 0;
  /// Runs the program's main dialog until it ends and returns its result code; the
  /// program's other windows (the preview) stay usable, their close boxes included.
  virtual int RunMain(QDialog& dialog) = 0;
  /// Shows a pop-up menu of `items` at `globalPos`; the index of the item chosen, or nullopt.
  virtual std::optional<int> PopUpMenu(QWidget* owner, const QPoint& globalPos, const QStringList& items) = 0;
  /// Asks the desktop's default handler to open `target` without waiting for it; `done`
  /// gets above 32 on success, else a failure code of the link table, later or at once.
  virtual void OpenWithDefaultHandler(const std::string& target, std::function<void(int)> done) = 0;
  /// The command line of the desktop's web-page handler, with its placeholder; empty when there is none.
  virtual std::string WebPageHandlerCommand() = 0;
  /// Starts `commandLine` (split like a shell would, but run without one) without
  /// waiting for it; `done` gets above 32 when it started, else a failure code.
  virtual void StartCommand(const std::string& commandLine, std::function<void(int)> done) = 0;
  /// Sounds the warning beep.
  virtual void Beep() = 0;
};

}  // namespace vantor
