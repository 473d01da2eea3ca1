#pragma once

#include <QPixmap>
#include <QWidget>

// A picture stretched to the control's size. The board hands it a pixmap
// decoded at the board's tile size; a tile a pixel larger or smaller (tiles
// share rounded edges) gets its own copy once, so painting never scales.
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
};
