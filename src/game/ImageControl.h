#pragma once

#include <QPixmap>
#include <QWidget>

// A picture stretched to the control's size. The board hands it a pixmap
// already at the tile's size; a picture of another size gets its own
// stretched copy once, so painting never scales.
class ImageControl final : public QWidget {
    Q_OBJECT
public:
    explicit ImageControl(QWidget* parent = nullptr);

    void SetPicture(const QPixmap& picture);
    const QPixmap& Picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void FitToSize();

    QPixmap picture_;
    QPixmap shown_;
    qint64 shownFrom_ = 0; // cacheKey of the picture shown_ was made from
};
