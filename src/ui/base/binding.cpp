#include "ui/base/binding.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <utility>

namespace parvix::ui {

QPushButton* NamedButton(QWidget* parent, const QString& name) {
  auto* button = new QPushButton(parent);
  button->setObjectName(name);
  return button;
}

QLabel* PlainLabel(QWidget* parent, const QString& text) {
  auto* label = new QLabel(parent);
  label->setTextFormat(Qt::PlainText);
  label->setText(text);
  return label;
}

QString PlainTip(const QString& text) {
  // Texts longer than this are wrapped rather than shown on one line.
  constexpr int kOneLineTipChars = 80;
  const char* const wrap = text.size() > kOneLineTipChars ? "pre-wrap" : "pre";
  return QString("<p style='white-space:%1'>%2</p>").arg(wrap, text.toHtmlEscaped());
}

void SetPlainWindowTitle(QWidget* window, const QString& title) {
  // Qt shows "[*][*]" as "[*]".
  const QString shown = QString(title).replace("[*]", "[*][*]");
  if (window->windowTitle() != shown) window->setWindowTitle(shown);
}

QColor ToQColor(Color color) {
  if (color == kButtonFace) return QPalette().color(QPalette::Button);
  return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                static_cast<int>((color >> 16) & 0xFF));
}

namespace {

void ApplyColors(QWidget* widget, const Control& control) {
  if (control.back == Control::kNoColorSet && control.fore == Control::kNoColorSet) return;
  QPalette palette = widget->palette();
  QPalette old = palette;
  const bool input = qobject_cast<QLineEdit*>(widget) != nullptr ||
                     qobject_cast<QComboBox*>(widget) != nullptr ||
                     qobject_cast<QPlainTextEdit*>(widget) != nullptr ||
                     qobject_cast<QListWidget*>(widget) != nullptr;
  if (control.back != Control::kNoColorSet) {
    const QColor back = ToQColor(control.back);
    if (input) {
      palette.setColor(QPalette::Base, back);
      palette.setColor(QPalette::Button, back);
    } else {
      palette.setColor(QPalette::Window, back);
      palette.setColor(QPalette::Button, back);
      widget->setAutoFillBackground(true);
    }
  }
  if (control.fore != Control::kNoColorSet) {
    const QColor fore = ToQColor(control.fore);
    palette.setColor(QPalette::WindowText, fore);
    palette.setColor(QPalette::ButtonText, fore);
    palette.setColor(QPalette::Text, fore);
  }
  if (palette != old) widget->setPalette(palette);
}

void ApplyText(QWidget* widget, const std::string& text) {
  const QString value = Q(text);
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    if (label->text() != value) label->setText(value);
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    if (button->text() != value) button->setText(value);
  } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    if (edit->text() != value) edit->setText(value);
  } else if (auto* plain = qobject_cast<QPlainTextEdit*>(widget)) {
    if (plain->toPlainText() != value) plain->setPlainText(value);
  } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
    if (!value.isEmpty() && group->title() != value) group->setTitle(value);
  }
}

}  // namespace

void ApplyControl(QWidget* widget, const Control& control) {
  // Hiding a child of a hidden parent is harmless; showing one is deferred by Qt.
  if (widget->isVisibleTo(widget->parentWidget()) != control.visible) {
    widget->setVisible(control.visible);
  }
  if (widget->isEnabled() != control.enabled) widget->setEnabled(control.enabled);
  ApplyText(widget, control.text);
  if (auto* button = qobject_cast<QAbstractButton*>(widget);
      button != nullptr && button->isCheckable() && button->isChecked() != control.checked) {
    button->setChecked(control.checked);
  }
  ApplyColors(widget, control);
}

void ApplyList(QWidget* widget, const ListControl& control) {
  if (widget->isVisibleTo(widget->parentWidget()) != control.visible) {
    widget->setVisible(control.visible);
  }
  if (widget->isEnabled() != control.enabled) widget->setEnabled(control.enabled);
  if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    const QSignalBlocker block(combo);
    // A list that keeps a revision number is compared only when it changed.
    const char* const drawnRevision = "itemsRevision";
    const bool unchanged = control.itemsRevision != 0 &&
                           combo->property(drawnRevision).toULongLong() == control.itemsRevision;
    bool same = unchanged || combo->count() == static_cast<int>(control.items.size());
    for (int i = 0; !unchanged && same && i < combo->count(); ++i) {
      same = combo->itemText(i) == Q(control.items[i]);
    }
    if (!unchanged) {
      combo->setProperty(drawnRevision, QVariant::fromValue<qulonglong>(control.itemsRevision));
    }
    if (!same) {
      combo->clear();
      QStringList items;
      items.reserve(static_cast<qsizetype>(control.items.size()));
      for (const auto& item : control.items) items << Q(item);
      combo->addItems(items);
    }
    if (combo->currentIndex() != control.listIndex) combo->setCurrentIndex(control.listIndex);
  }
  ApplyColors(widget, control);
}

namespace {

void DefaultBindingFault(const QString& message) {
#ifndef NDEBUG
  qFatal("%s", qPrintable(message));
#else
  qWarning("%s", qPrintable(message));
#endif
}

BindingFaultHandler bindingFaultHandler = DefaultBindingFault;

}  // namespace

BindingFaultHandler SetBindingFaultHandler(BindingFaultHandler handler) {
  return std::exchange(bindingFaultHandler, handler != nullptr ? handler : DefaultBindingFault);
}

void ReportBindingFault(const QString& message) { bindingFaultHandler(message); }

QWidget* ControlBinder::Find(std::string_view name) {
  if (name.empty()) return nullptr;
  const QString key = Q(name);
  auto it = cache_.constFind(key);
  if (it != cache_.constEnd()) return it.value();
  QWidget* found = root_->objectName() == key ? root_ : root_->findChild<QWidget*>(key);
  if (found == nullptr) {
    ReportBindingFault(QString("no widget %1 in %2").arg(key, root_->objectName()));
  }
  cache_.insert(key, found);
  return found;
}

void ApplyDefaultButton(ControlBinder& binder, const std::string& name, QString& shown) {
  const QString wanted = Q(name);
  if (wanted == shown) return;
  if (auto* old = qobject_cast<QPushButton*>(binder.Find(S(shown)))) old->setDefault(false);
  if (auto* now = qobject_cast<QPushButton*>(binder.Find(name))) now->setDefault(true);
  shown = wanted;
}

void ApplyFocus(ControlBinder& binder, const FocusRequest& focus, unsigned& shownSerial) {
  if (focus.serial == shownSerial) return;
  shownSerial = focus.serial;
  if (QWidget* target = binder.Find(focus.control)) target->setFocus(Qt::OtherFocusReason);
}

}  // namespace parvix::ui
