// Small event filters that forward raw widget events to a callback: typed
// characters for the keypads' keyboard entry, clicks on labels, and the mouse
// entering a key for the hover tips.
#pragma once

#include <QEvent>
#include <QKeyEvent>
#include <QObject>
#include <functional>

namespace parvix::ui {

// Calls `onChar` with each typed printable character; the key is consumed
// when the callback returns true.
class CharForwarder : public QObject {
 public:
  CharForwarder(QObject* parent, std::function<bool(char)> onChar)
      : QObject(parent), onChar_(std::move(onChar)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) {
      auto* key = static_cast<QKeyEvent*>(event);
      const QString text = key->text();
      if (text.size() == 1 && text[0].unicode() >= 0x20 && text[0].unicode() < 0x7F &&
          (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) == 0) {
        if (onChar_(static_cast<char>(text[0].unicode()))) return true;
      }
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<bool(char)> onChar_;
};

// Calls `handler` when the watched widget sees an event of `type`.
class EventHook : public QObject {
 public:
  EventHook(QObject* parent, QEvent::Type type, std::function<void()> handler)
      : QObject(parent), type_(type), handler_(std::move(handler)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == type_) handler_();
    return QObject::eventFilter(watched, event);
  }

 private:
  QEvent::Type type_;
  std::function<void()> handler_;
};

}  // namespace parvix::ui
