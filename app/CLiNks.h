#pragma once

#include <QColor>
#include <QCursor>
#include <QFont>
#include <QObject>

#include <optional>
#include <string>

class QLabel;

namespace vantor {

class WindowSystem;

/// A link: turns a label into a web-style link that is blue and underlined,
/// takes the highlight colour while the mouse is over it, turns purple once
/// opened, shows its target as a tool tip and opens it when clicked.
class CLiNks : public QObject {
 public:
  /// A link not yet attached to a label; the hover colour is the desktop's highlight colour.
  explicit CLiNks(WindowSystem& windowSystem);

  /// Makes `control` the link: the target defaults to its text (and an empty text to the target),
  /// its font gets underlined, its pointer becomes the pointing hand and its tool tip the target.
  void OnAttach(QLabel* control);
  /// Sets the target a click opens and the tool tip; the visible text stays.
  void SetTarget(const std::string& newTarget);
  /// Starts opening the target as a click does, without waiting for the openers.
  void OnClicked();
  /// The openers' answer: marks the link visited on success; beeps and reports otherwise.
  void OnOpened(int result);
  /// The colour the text is drawn in now: hover, else visited, else link colour.
  QColor TextColour() const;
  /// The text of the tool tip; empty before OnAttach.
  QString ToolTipText() const;

  const QColor linkColour{0, 0, 238};      ///< text of a link not yet opened
  const QColor visitedColour{85, 26, 139}; ///< text of a link that was opened
  const QColor hoverColour;                ///< text while the mouse is over the link
  bool hover = false;                      ///< the mouse is over the link
  bool visited = false;                    ///< the last click opened the target
  const bool underline = true;             ///< the link's font is underlined
  std::string target;                      ///< what a click opens
  QFont font;                              ///< the label's font, underlined
  std::optional<QCursor> cursor;           ///< the pointer over the link

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void OnMouseMove(const QPoint& position);
  void SetHover(bool over);
  void Recolour();

  WindowSystem& windowSystem_;
  QLabel* control_ = nullptr;
};

}  // namespace vantor
