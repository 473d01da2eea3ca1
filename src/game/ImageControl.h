#pragma once

#include <QPixmap>
#include <QWidget>

// A picture stretched to the control's size. The board hands it a pixmap
// already made at the tile's size, so painting copies pixels and scales
// nothing.
class ImageControl final : public QWidget {
    Q_OBJECT
public:
    explicit ImageControl(QWidget* parent = nullptr);

    void SetPicture(const QPixmap& picture);
    const QPixmap& Picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};
