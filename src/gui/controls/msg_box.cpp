#include "gui/controls/msg_box.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include "core/settings/texts.h"
#include "gui/controls/msg_box_skin.h"
#include "gui/controls/ui_text.h"

namespace direvovu::gui {
CMsgBox::CMsgBox(QWidget* parent) : QDialog(parent) {
  setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
  setFixedSize(kWidth, kHeight);
  setModal(true);

  text_ = new QLabel(this);
  text_->setGeometry(QRect(QPoint(17, 66), QPoint(463, 181)));
  text_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  text_->setWordWrap(true);
  text_->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
  text_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  ok_ = new QPushButton(UiText(TextTable::CommonButtons, 0), this);
  cancel_ = new QPushButton(UiText(TextTable::CommonButtons, 1), this);
  for (QPushButton* b : {ok_, cancel_}) b->setStyleSheet(MsgBoxButtonStyle());
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

  search_timer_.setSingleShot(true);
  search_timer_.setInterval(kSearchDelayMs);
  connect(&search_timer_, &QTimer::timeout, this, &CMsgBox::RunSearch);
  close_timer_.setSingleShot(true);
  close_timer_.setInterval(kAutoCloseMs);
  connect(&close_timer_, &QTimer::timeout, this, &QDialog::accept);
  PlaceButtons();
}

void CMsgBox::setMessage(const QString& text) { text_->setText(text); }

void CMsgBox::setButtons(bool cancel_shown, bool ok_shown) {
  cancel_shown_ = cancel_shown;
  ok_shown_ = ok_shown;
  PlaceButtons();
}

void CMsgBox::PlaceButtons() {
  cancel_->setVisible(cancel_shown_);
  ok_->setGeometry(cancel_shown_ ? QRect(160, 190, 80, 27) : QRect(200, 190, 80, 27));
  cancel_->setGeometry(QRect(244, 190, 80, 27));
  ok_->setVisible(ok_shown_);
}

void CMsgBox::showEvent(QShowEvent* event) {
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->geometry().center() - rect().center());
  }
  QDialog::showEvent(event);
  if (IsSearchBox()) search_timer_.start();
  if (auto_close_) close_timer_.start();
}

void CMsgBox::reject() {
  if (IsSearchBox()) return;
  QDialog::reject();
}

void CMsgBox::RunSearch() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  if (search_action_) search_action_();
  QApplication::restoreOverrideCursor();
  accept();
}

void CMsgBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawPixmap(0, 0, MsgBoxBackground(size()));
}

}  // namespace direvovu::gui
