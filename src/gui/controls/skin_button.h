#pragma once

#include <QAbstractButton>

#include "gui/skin/skin.h"

namespace direvovu::gui {

// A button drawn from pictures: up, down (while pressed), focus (with the keyboard focus)
// and disabled, sized to its pictures. A caption set with setText is drawn over the face.
class SkinButton : public QAbstractButton {
  Q_OBJECT

 public:
  enum class Face { kUp, kHover, kDown, kFocus, kDisabled };

  explicit SkinButton(QWidget* parent = nullptr);
  explicit SkinButton(const ButtonPictures& pictures, QWidget* parent = nullptr);

  // Takes the pictures and the size of the up picture.
  void SetPictures(const ButtonPictures& pictures);
  [[nodiscard]] const ButtonPictures& pictures() const { return pictures_; }
  // The picture the button shows in its present state.
  [[nodiscard]] Face CurrentFace() const;

  [[nodiscard]] QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  [[nodiscard]] const QPixmap& PictureFor(Face face) const;

  ButtonPictures pictures_;
  QPixmap hover_;
  bool hovered_ = false;
};

}  // namespace direvovu::gui
