// Tooltips for table cells whose text is cut off: hovering such a cell shows
// its whole text; a cell that shows its text whole gets no tooltip.
#pragma once

#include <QObject>
#include <QString>

class QAbstractItemView;

namespace parvix::ui {

class CutCellTips : public QObject {
 public:
  // Installs itself on the view's viewport; owned by the view.
  explicit CutCellTips(QAbstractItemView* view);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QAbstractItemView* view_;
};

// Display texts are cut to this many characters: painting a cell of
// megabytes would freeze the window, and no screen shows more.
inline constexpr int kMaxShownCellChars = 4000;

// The first kMaxShownCellChars characters of a UTF-8 text, as a QString;
// never splits a character.
QString ShownCellText(const std::string& text);

}  // namespace parvix::ui
