// Copies the core's control state onto Qt widgets. Widgets carry the system's
// control names as object names, so a window binds its model's controls to
// its widgets by name and renders them all after every event.
#pragma once

#include <QColor>
#include <QHash>
#include <QString>
#include <QWidget>
#include <functional>
#include <string>
#include <string_view>

#include "base/controls.h"

class QLabel;
class QPushButton;

namespace parvix::ui {

// A colour number of the core (&HBBGGRR) as a screen colour; the system's
// button-face colour maps to the platform's button colour.
QColor ToQColor(Color color);

inline QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string S(const QString& text) { return text.toStdString(); }

// A push button named after its control, so that the binder finds it.
QPushButton* NamedButton(QWidget* parent, const QString& name);

// Texts on screen can hold names and comments from a file, so none is ever
// read as rich text (an image tag would make Qt load the file it names).
// A label that shows its text as it is.
QLabel* PlainLabel(QWidget* parent = nullptr, const QString& text = {});
// A tooltip that shows `text` as it is: Qt guesses whether a tooltip is rich
// text, so the text goes escaped inside a paragraph that keeps its blanks;
// a long text is wrapped.
QString PlainTip(const QString& text);
// Sets a window title shown as it is: Qt would drop a "[*]" in it.
void SetPlainWindowTitle(QWidget* window, const QString& title);

// Applies one control's state to its widget, touching only what differs.
void ApplyControl(QWidget* widget, const Control& control);
void ApplyList(QWidget* widget, const ListControl& control);

// A name that nothing answers to: a control, focus or default-button name
// that no widget of the window carries, or a menu item the menu bar lacks.
// That is a slip in the code, never the user's doing, so it is loud: by
// default a debug build stops with the name (qFatal) and a release build
// warns and goes on without the binding; the widget tests install a handler
// that fails the running test.
using BindingFaultHandler = void (*)(const QString& message);
// Installs `handler` (nullptr restores the default) and returns the previous one.
BindingFaultHandler SetBindingFaultHandler(BindingFaultHandler handler);
void ReportBindingFault(const QString& message);

// Finds widgets by object name below a root and applies controls to them.
class ControlBinder {
 public:
  explicit ControlBinder(QWidget* root) : root_(root) {}
  // Forgets the name cache (after widgets were added).
  void Invalidate() { cache_.clear(); }
  // The widget named `name`; an empty name stands for none. A name that no
  // widget carries is a binding fault (reported once until Invalidate).
  QWidget* Find(std::string_view name);

  void operator()(std::string_view name, const Control& control) {
    if (QWidget* w = Find(name)) ApplyControl(w, control);
  }
  void operator()(std::string_view name, const ListControl& control) {
    if (QWidget* w = Find(name)) ApplyList(w, control);
  }

 private:
  QWidget* root_;
  QHash<QString, QWidget*> cache_;
};

// Hides the widgets of the controls a model no longer shows, before the
// rest of its controls are applied: a widget shown while the one it
// replaces is still up would grow its window for good, as showing a widget
// lays out its parents at once. `beforeHide` runs for each widget that goes.
template <class Model>
void HideGoneControls(ControlBinder& binder, Model& model,
                      const std::function<void(QWidget*)>& beforeHide = nullptr) {
  model.VisitControls([&](std::string_view name, const auto& control) {
    if (control.visible) return;
    QWidget* widget = binder.Find(name);
    if (widget == nullptr || !widget->isVisibleTo(widget->parentWidget())) return;
    if (beforeHide) beforeHide(widget);
    widget->setVisible(false);
  });
}

// The default button a model asks for, drawn as the default (Enter presses
// it); `shown` holds the name drawn so far.
void ApplyDefaultButton(ControlBinder& binder, const std::string& name, QString& shown);
// Gives the focus to the control a request names, once per request;
// `shownSerial` holds the serial number of the last request applied.
void ApplyFocus(ControlBinder& binder, const FocusRequest& focus, unsigned& shownSerial);

}  // namespace parvix::ui
