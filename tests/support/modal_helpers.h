// Answering the program's modal windows in widget tests: a message box or a
// file dialog opens inside a core procedure, so the answer is scheduled
// before the action that opens it.
#pragma once

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QString>
#include <QTimer>
#include <functional>

namespace parvix::ui {

// Runs `act` on the next modal window of kind T once it is open; modal
// windows of other kinds are left to other answers.
template <class T>
void OnNextModal(std::function<void(T*)> act) {
  auto* poll = new QTimer(qApp);
  poll->setInterval(20);
  QObject::connect(poll, &QTimer::timeout, [poll, act] {
    if (auto* modal = qobject_cast<T*>(QApplication::activeModalWidget())) {
      poll->stop();
      poll->deleteLater();
      act(modal);
    }
  });
  poll->start();
}

// Runs `act` on the next modal window of any kind (a message box or a dialog).
inline void OnNextModal(std::function<void(QWidget*)> act) { OnNextModal<QWidget>(std::move(act)); }

// Presses `button` in the next message box and records the box's text.
inline void AnswerNextBox(QMessageBox::StandardButton button, QString* text = nullptr) {
  OnNextModal<QMessageBox>([button, text](QMessageBox* box) {
    if (text != nullptr) *text = box->text();
    box->button(button)->click();
  });
}

// Types `path` into the next file dialog and accepts it.
inline void ChooseNextFile(const QString& path) {
  OnNextModal<QFileDialog>([path](QFileDialog* dialog) {
    dialog->selectFile(path);
    if (auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit")) edit->setText(path);
    QMetaObject::invokeMethod(dialog, "accept");
  });
}

}  // namespace parvix::ui
